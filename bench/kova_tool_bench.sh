#!/bin/bash
# Start-up and watch costs of kova, next to the hello example as the baseline (a context, an
# open connection and one command line): kova_tool_bench.sh BIN_DIR
set -euo pipefail
bin=$1
runs=20

# Median wall time of a whole process, in milliseconds.
median_ms() {
    local times=() i start
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        times+=($(( ($(date +%s%N) - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p" | awk '{printf "%.1f", $1 / 1000}'
}

printf '%-34s %10s\n' "process (median of $runs)" "ms"
printf '%-34s %10s\n' "hello (baseline)" "$(median_ms "$bin/hello")"
printf '%-34s %10s\n' "kova --version" "$(median_ms "$bin/kova" --version)"
printf '%-34s %10s\n' "kova info" "$(median_ms "$bin/kova" info)"

# 64 values at 20 Hz for 5 s: the share of one core the tool used.
items=(--axis 0,1,2,3,4,5,6,7 MPOS DPOS "VR(0..15)" "TABLE(0..15)" "IN(0..7)" "AIN(0..7)")
cpu=$( { /usr/bin/time -f '%U %S' "$bin/kova" watch --rate 20 --for 5 "${items[@]}" >/dev/null; } 2>&1 | tail -1)
awk -v cpu="$cpu" 'BEGIN { split(cpu, t, " "); printf "%-34s %9.1f%%\n", "kova watch, 64 values at 20 Hz", (t[1] + t[2]) / 5 * 100 }'
