#!/usr/bin/env bash
# Runs every fuzz target for FUZZ_SECONDS (default 60) from seeds made of the test fixtures.
# Fails on the first crash, hang, leak or sanitizer report. Usage: fuzz/run-fuzz.sh BUILD_DIR
set -euo pipefail
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
corpus=$build/corpus
"$build/fuzz/fuzz_make_seeds" "$corpus"
status=0
for target in fuzz_gedcom_line fuzz_header_window fuzz_content_search fuzz_whole_text_decoding fuzz_settings_parser; do
    mkdir -p "$corpus/$target" "$build/findings/$target"
    echo "== $target ($seconds s)"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$build/fuzz/$target" "$corpus/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -artifact_prefix="$build/findings/$target/" -print_final_stats=1 2>"$build/findings/$target.log"; then
        echo "FINDING in $target: see $build/findings/$target.log and $build/findings/$target/"
        tail -40 "$build/findings/$target.log"
        status=1
    else
        grep -E 'stat::number_of_executed_units|cov:' "$build/findings/$target.log" | tail -2
    fi
done
exit $status
