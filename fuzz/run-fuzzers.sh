#!/usr/bin/env bash
# Runs each harness for a set time, a few at once, from its committed seeds. New inputs
# go to BUILD/fuzz-corpus/<harness>/, an input that breaks a harness to
# BUILD/fuzz-artifacts/<harness>/, each run's output to BUILD/fuzz-logs/<harness>.log.
# Usage: fuzz/run-fuzzers.sh BUILD SECONDS AT_ONCE [harness ...]
# With FUZZ_RUNS set, each harness runs for that many executions instead of SECONDS: the
# long runs, which go on from the inputs that earlier runs kept.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=$2
at_once=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -gt 0 ]; then harnesses=("$@"); else
    harnesses=()
    for dir in "$here"/corpus/*/; do harnesses+=("$(basename "$dir")"); done
fi
mkdir -p "$build/fuzz-logs"
export LSAN_OPTIONS="suppressions=$here/../tests/support/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

run_one() {
    local name=$1 build=$2 seconds=$3 here=$4
    local options=(-timeout=10 -rss_limit_mb=4096 -print_final_stats=1
                   -artifact_prefix="$build/fuzz-artifacts/$name/")
    if [ -n "${FUZZ_RUNS:-}" ]; then options+=(-runs="$FUZZ_RUNS")
    else options+=(-max_total_time="$seconds"); fi
    # Inputs as large as the files they stand for: a few cache records, 200 pages of text.
    case $name in
        cache_file_fuzzer) options+=(-max_len=131072) ;;
        text_import_fuzzer) options+=(-max_len=32768) ;;
        *) options+=(-max_len=8192) ;;
    esac
    mkdir -p "$build/fuzz-corpus/$name" "$build/fuzz-artifacts/$name"
    "$build/fuzz/$name" "${options[@]}" "$build/fuzz-corpus/$name" "$here/corpus/$name" \
        >"$build/fuzz-logs/$name.log" 2>&1
}
export -f run_one

printf '%s\n' "${harnesses[@]}" |
    xargs -P "$at_once" -I{} bash -c 'run_one "$@"' _ {} "$build" "$seconds" "$here"

failed=0
for name in "${harnesses[@]}"; do
    log="$build/fuzz-logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if grep -qE '^(==[0-9]+==ERROR|SUMMARY: |\*\*\* property broken)' "$log" || [ -z "$runs" ]; then
        echo "FAILED $name: see $log and $build/fuzz-artifacts/$name/"
        grep -E '(ERROR|SUMMARY|property broken|Test unit written)' "$log" | head -5
        failed=1
    else
        echo "ok     $name: $runs runs, $rate per second"
    fi
done
exit $failed
