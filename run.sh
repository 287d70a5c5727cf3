#!/usr/bin/env bash
# Builds Vellora and shows it at work. Until the window lands this runs the
# command-line tracer on an example sequence.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

ensure_packages "${VELLORA_PACKAGES[@]}"
configure_and_build build >/dev/null
echo "The window is not built yet; here is the trace of 3 1 2 from vellora-trace:"
echo
build/cli/vellora-trace 3 1 2
