#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Builds Vellora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

ensure_packages "${VELLORA_PACKAGES[@]}"
configure_and_build default >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MSG'
Vellora is built (build/app/vellora), but there is no display to show its window.
Start ./run.sh from a desktop session, or over SSH with X forwarding (ssh -X).
Without any display, vellora-trace shows the same traces as text, for example:
    build/cli/vellora-trace 3 1 2
MSG
    exit 1
fi

# The window icon is looked up as ../icon2.png, next to the build's app folder.
cd build/app
exec ./vellora "$@"
