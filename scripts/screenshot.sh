#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Takes docs/screenshot.png: the real vellora window, started from a build
# directory under a virtual X server (Xvfb), a few steps into a trace. With
# --present, takes docs/presentation.png instead: the same step presented full
# screen (F5) on a 1920 x 1080 screen; with --long, docs/long-sequence.png: a
# thousand numbers at the first comparison of Shell's formula, in two panes;
# with --race, docs/race.png: a race of Shell's and Hibbard's formulas (R) on a
# 1920 x 1080 screen.
#
# Usage: scripts/screenshot.sh [--present | --long | --race] [BUILD_DIR [OUTPUT.png]]
#        (defaults: build and the picture of the mode under docs/; BUILD_DIR
#        must hold a built vellora)
# Needs xvfb-run, xauth and xwininfo (packages xvfb, xauth, x11-utils), g++ and
# the Qt 6 and Xlib headers. The random sequence differs from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --inside-xvfb ]; then
    build=$2 out=$3 grab=$4 mode=$5
    arguments=()
    case $mode in
    long) # a thousand numbers from 1 to 999, the same each time
        mapfile -t arguments < <(awk 'BEGIN { srand(1000); print "--";
            for (i = 0; i < 1000; i++) print int(rand() * 999) + 1 }') ;;
    race) arguments=(-f shell -- 17 3 12 8 20 1 15 6 11 19 4 14 9 2 18 7 13 5 16 10) ;;
    esac
    # From the app directory, the form finds its icon as ../icon2.png.
    (cd "$build/app" && exec env QT_QPA_PLATFORM=xcb ./vellora "${arguments[@]}") &
    app=$!
    trap 'kill "$app" 2>/dev/null || true' EXIT
    window=
    for _ in $(seq 50); do
        window=$(xwininfo -root -tree 2>/dev/null |
            awk '/"vellora" "vellora"/ && / [0-9]+x[0-9]+\+/ { print $1; exit }')
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
    sleep 1
    # Page Down steps forward whatever field has the focus; eleven steps reach the
    # comparisons of the first subsequence.
    keys=(Next Next Next Next Next Next Next Next Next Next Next)
    case $mode in
    present) QT_QPA_PLATFORM=xcb "$grab" --root "$window" "$out" "${keys[@]}" F5 ;;
    long) QT_QPA_PLATFORM=xcb "$grab" "$window" "$out" Next Next Next ;;
    race) QT_QPA_PLATFORM=xcb "$grab" --root "$window" "$out" F5 r "${keys[@]}" ;;
    *) QT_QPA_PLATFORM=xcb "$grab" "$window" "$out" "${keys[@]}" ;;
    esac
    exit 0
fi

mode=window screen=800x600x24 picture=docs/screenshot.png
case "${1:-}" in
--present) mode=present screen=1920x1080x24 picture=docs/presentation.png ;;
--long) mode=long picture=docs/long-sequence.png ;;
--race) mode=race screen=1920x1080x24 picture=docs/race.png ;;
esac
[ "$mode" = window ] || shift

build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$picture}")
[ -x "$build/app/vellora" ] || { echo "screenshot.sh: no $build/app/vellora; build first" >&2; exit 1; }
for tool in xvfb-run xauth xwininfo g++ pkg-config; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done

# The grabbing helper is built beside the build, never installed.
grab=$build/screenshot-grab
if [ ! -x "$grab" ] || [ scripts/screenshot-grab.cpp -nt "$grab" ]; then
    # shellcheck disable=SC2046
    g++ -std=c++17 -O1 -fPIC -o "$grab" scripts/screenshot-grab.cpp \
        $(pkg-config --cflags --libs Qt6Gui x11)
fi

mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 $screen" bash "$0" --inside-xvfb "$build" "$out" "$grab" "$mode"
echo "$out: $(stat -c %s "$out") bytes"
