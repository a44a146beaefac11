#!/usr/bin/env bash
# Prints the engine's throughput and memory against a minimal loop, fd and ripgrep, on one
# synthetic tree. Usage: bench/run-bench.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
data=${BENCH_DATA:-$build/bench-data}
files=${BENCH_FILES:-100000}
corpus_mb=${BENCH_CORPUS_MB:-1000}
scan=$build/src/quendal-scan
fd=$(command -v fdfind || command -v fd || true)

if [ ! -d "$data/tree" ]; then
    echo "Building the synthetic tree in $data ($files files, ${corpus_mb} MB corpus)..."
    "$build/bench/bench_make_tree" "$data" "$files" "$corpus_mb"
fi
sync

# Runs a command 3 times and keeps the best wall time; prints "seconds max_rss_kb".
measure() {
    local best="" rss=0
    for _ in 1 2 3; do
        local out tmp
        tmp=$(mktemp)
        /usr/bin/time -o "$tmp" -f '%e %M' "$@" >/dev/null 2>/dev/null || true
        out=$(tail -1 "$tmp")
        rm -f "$tmp"
        local t=${out% *} m=${out#* }
        if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
        [ "$m" -gt "$rss" ] && rss=$m
    done
    echo "$best $rss"
}
rate() { awk "BEGIN{ if ($2 > 0) printf \"%.0f\", $1 / $2; else print \"inf\" }"; }
ratio() { awk "BEGIN{ if ($2 > 0) printf \"%.2f\", $1 / $2; else print \"n/a\" }"; }

count=$(find "$data/tree" -type f | wc -l)
corpus_bytes=$(du -sb "$data/corpus" | cut -f1)
corpus_mbytes=$(awk "BEGIN{printf \"%.1f\", $corpus_bytes / 1000000}")
echo "Tree: $count files; corpus: $corpus_mbytes MB in $(ls "$data/corpus" | wc -l) files (warm cache, best of 3)"
echo

read -r t_scan m_scan < <(measure "$scan" --type "All Files (*.*)" "$data/tree")
read -r t_min m_min < <(measure "$build/bench/bench_minimal_loop" "$data/tree")
printf '%-44s %8s s %10s files/s %8s MB\n' "quendal-scan header scan (All Files)" "$t_scan" "$(rate "$count" "$t_scan")" "$((m_scan / 1024))"
printf '%-44s %8s s %10s files/s %8s MB\n' "minimal list/open/read 4 KiB/close loop" "$t_min" "$(rate "$count" "$t_min")" "$((m_min / 1024))"
if [ -n "$fd" ]; then
    read -r t_fd m_fd < <(measure "$fd" -u -t f . "$data/tree" -j1)
    printf '%-44s %8s s %10s files/s %8s MB\n' "fd -j1 listing the tree" "$t_fd" "$(rate "$count" "$t_fd")" "$((m_fd / 1024))"
fi
echo "header scan / minimal loop throughput: $(ratio "$t_min" "$t_scan") (target >= 0.70)"
echo

read -r t_cs m_cs < <(measure "$scan" --contains "zebediah quartermaine" "$data/corpus")
printf '%-44s %8s s %10s MB/s %8s MB\n' "quendal-scan --contains (any case)" "$t_cs" "$(rate "$corpus_mbytes" "$t_cs")" "$((m_cs / 1024))"
if command -v rg >/dev/null; then
    read -r t_rg m_rg < <(measure rg -j1 -l -F -i "zebediah quartermaine" "$data/corpus")
    printf '%-44s %8s s %10s MB/s %8s MB\n' "rg -j1 -l -F -i" "$t_rg" "$(rate "$corpus_mbytes" "$t_rg")" "$((m_rg / 1024))"
    echo "content search / rg throughput: $(ratio "$t_rg" "$t_cs") (target >= 0.33)"
fi
echo "peak memory target: < 200 MB for quendal-scan"

echo
echo "Result table:"
"$build/bench/bench_table"

echo
echo "Search through the window (best of 3):"
for _ in 1 2 3; do "$build/bench/bench_window" "$data/tree" "$scan" 2>/dev/null; done
