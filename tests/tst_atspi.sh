#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# What a screen reader learns of the window, read over AT-SPI as Orca reads it:
# the window runs on a private X display (Qt's AT-SPI bridge needs a window
# system) inside a private D-Bus session with the accessibility bus, in each
# language, and atspi_check.py reads its tree and presses a button.
#
# Usage: tst_atspi.sh VELLORA
set -euo pipefail
vellora=$1
here=$(cd "$(dirname "$0")" && pwd)

# A display number that no other X server holds.
for n in $(seq 120 180); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
work=$(mktemp -d)
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done

export DISPLAY=":$n" WORK="$work" VELLORA="$vellora" HERE="$here"
dbus-run-session -- bash -c '
    set -u
    export HOME=$WORK XDG_RUNTIME_DIR=$WORK/runtime NO_AT_BRIDGE=0 GSETTINGS_BACKEND=memory
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/bus.log" 2>&1 &
    bus=$!
    sleep 0.5
    status=0
    for language in en de; do
        LANGUAGE=$language LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
            "$VELLORA" >"$WORK/vellora-$language.log" 2>&1 &
        app=$!
        /usr/bin/python3 "$HERE/atspi_check.py" "$app" "$language" || status=1
        kill $app 2>/dev/null
        wait $app 2>/dev/null
    done
    kill $bus 2>/dev/null
    exit $status
'
