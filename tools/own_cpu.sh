#!/bin/sh
# Our own CPU per frame in the real program: build/spiravel with N = 99999
# and speed 1 set through its palette, sampled by perf over all its threads
# for SECONDS seconds once the flower is full. The CPU time of each library
# is summed and divided by the frames swapped meanwhile; ours is the program
# itself and the maths library, the rest is the driver, the toolkit, the
# C library and the kernel.
# Usage: tools/own_cpu.sh [BUILD] (SAMPLE_SECONDS=10 in the environment)
set -eu
BUILD=${1:-build}
SAMPLE_SECONDS=${SAMPLE_SECONDS:-10}
GOAL=5
. "$(dirname "$0")/drive.sh"

command -v perf >/dev/null || fail "perf is missing: tools/setup.sh installs it"

start_full_flower

first=$(frames_so_far "$swap_log")
perf record -q -e task-clock -F 2000 -p "$program_pid" -o "$drive_dir/perf.data" -- sleep "$SAMPLE_SECONDS" 2>/dev/null ||
    fail "perf could not sample the program (see /proc/sys/kernel/perf_event_paranoid)"
frames=$(($(frames_so_far "$swap_log") - first))
[ "$frames" -gt 0 ] || fail "the program swapped no frame while sampled"

# One line a library: its share of the task clock, in nanoseconds.
perf report -q -i "$drive_dir/perf.data" --stdio --sort dso -F period,dso 2>/dev/null |
    awk -v frames="$frames" -v goal="$GOAL" '
        NF >= 2 {
            ms = $1 / 1e6 / frames
            total += ms
            if ($2 == "spiravel" || $2 ~ /^libm[.-]/) ours += ms
            printf "%10.2f ms  %s\n", ms, $2
        }
        END {
            printf "%d frames; all threads %.1f ms a frame\n", frames, total
            printf "ours (spiravel and libm): %.2f ms a frame; goal: at most %d ms\n", ours, goal
        }'

echo "ours by function, ms a frame:"
perf report -q -i "$drive_dir/perf.data" --stdio --dsos spiravel,libm.so.6 --sort sym -F period,sym 2>/dev/null |
    awk -v frames="$frames" 'NF >= 2 && $1 / 1e6 / frames >= 0.05 { ms = $1 / 1e6 / frames; $1 = ""; printf "%10.2f  %s\n", ms, $0 }'
