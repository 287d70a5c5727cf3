#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Builds Vellora and runs the whole test suite headless with CTest, three ways:
#   1. a plain build (build/) with warnings as errors;
#   2. the same suite under AddressSanitizer, LeakSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/);
#   3. the libFuzzer targets of the model (build-fuzz/, clang), 30 s each,
#      starting from the seed corpus in fuzz/corpus/.
#
#   ./test.sh          all three (what CI runs)
#   ./test.sh --quick  the plain build and its tests only (ignored when CI=true)
#
# VELLORA_FUZZ_SECONDS changes the time per fuzz target, VELLORA_JOBS the
# number of parallel compile jobs.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

quick=false
case "${1:-}" in
"") ;;
--quick) quick=true ;;
*)
    echo "usage: ./test.sh [--quick]" >&2
    exit 2
    ;;
esac
if [ "${CI:-}" = true ] && $quick; then
    echo "CI=true: running the full suite, --quick ignored"
    quick=false
fi

started=$SECONDS
stage() {
    printf '\n=== %s (%d s so far)\n' "$1" $((SECONDS - started))
}

ensure_packages "${VELLORA_PACKAGES[@]}"

stage "Plain build and tests"
configure_and_build default -DVELLORA_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300

if $quick; then
    echo "Quick run done in $((SECONDS - started)) s (no sanitizers, no fuzzing)."
    exit 0
fi

stage "AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
configure_and_build asan -DVELLORA_WERROR=ON
(
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    ctest --test-dir build-asan --output-on-failure --timeout 300
)

stage "Fuzzing (libFuzzer)"
configure_and_build fuzz -DVELLORA_WERROR=ON

# run_fuzzer NAME: fuzzes a copy of fuzz/corpus/NAME, so that the committed
# corpus never grows; a failing input is kept in build-fuzz/artifacts/NAME/.
run_fuzzer() {
    local name=$1
    local seconds=${VELLORA_FUZZ_SECONDS:-30}
    local corpus log status=0
    corpus=$(mktemp -d)
    log=build-fuzz/fuzz_$name.log
    cp fuzz/corpus/"$name"/* "$corpus"/
    mkdir -p build-fuzz/artifacts/"$name"
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/artifacts/"$name"/ "$corpus" >"$log" 2>&1 || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "fuzz_$name FAILED; the input is in build-fuzz/artifacts/$name/." >&2
        echo "Add it to fuzz/regressions/ once the cause is fixed." >&2
        return 1
    fi
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: ${runs:-?} inputs in ${seconds} s, no failure (log: $log)"
}
run_fuzzer scan
run_fuzzer trace

echo
echo "All tests passed in $((SECONDS - started)) s: plain, sanitizers, fuzzing."
