#!/bin/bash
# Runs every fuzz target of the fuzz build for the given number of seconds (default 600), two at a
# time, starting from its committed corpus fuzz/corpus/<name>/. New inputs go to the build tree
# (build/fuzz/corpus/<name>/), findings to build/fuzz/findings/. Fails on any crash, leak, input
# slower than 10 s or sanitizer report. Build first: cmake --preset fuzz && cmake --build --preset fuzz
#   scripts/fuzz.sh [seconds] [target...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-600}
shift $(( $# > 0 ? 1 : 0 ))
dir=$KOVA_BUILD_ROOT/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$KOVA_ROOT"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

run_target() {
    local target=$1 name=${1%_fuzz} log
    local found=$dir/corpus/$name seeds=$KOVA_ROOT/fuzz/corpus/$name
    log=$dir/logs/$target.log
    mkdir -p "$found" "$seeds" "$dir/findings" "$dir/logs"
    if "$dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
           -artifact_prefix="$dir/findings/$name-" "$found" "$seeds" >"$log" 2>&1; then
        echo "== $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, clean"
    else
        tail -n 60 "$log"
        echo "== $target FAILED (log: $log)"
        return 1
    fi
}
export -f run_target
export dir seconds KOVA_ROOT

printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_target {}'
