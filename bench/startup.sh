#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Start-up time of the main window, offscreen: runs bench_startup several times
# and prints each run and the median in milliseconds.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (defaults: build, 11)
set -euo pipefail

build=${1:-build}
runs=${2:-11}
target_ms=300
bin="$build/bench/bench_startup"

if [ ! -x "$bin" ]; then
    echo "no $bin; build the target bench_startup first" >&2
    exit 1
fi

# One warm-up run, so that the first measured run does not pay for cold file caches alone.
if ! errors=$(QT_QPA_PLATFORM=offscreen "$bin" "$(date +%s%N)" 2>&1 >/dev/null); then
    printf 'bench_startup failed:\n%s\n' "$errors" >&2
    exit 1
fi

times=()
for ((i = 0; i < runs; i++)); do
    # Taken just before the process starts, so that exec and loading count too.
    start=$(date +%s%N)
    # The toolkit's notes on stderr (a missing runtime directory, say) are no result.
    times+=("$(QT_QPA_PLATFORM=offscreen "$bin" "$start" 2>/dev/null)")
done

printf 'runs (ms): %s\n' "${times[*]}"
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 }
    END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median start-up to window shown: $median ms (target under $target_ms ms)"
awk -v m="$median" -v t="$target_ms" 'BEGIN { exit !(m < t) }'
