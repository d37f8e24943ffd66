#!/bin/sh
# The real program's frames against the reference, side by side on one
# virtual X server: build/spiravel with N and speed 1 set through its
# palette, and reference_view drawing the same full flower from vertex
# arrays, at N = 99999 and N = 4181. Both run at once but take turns: each
# in its turn runs alone for SLICE seconds while the other is stopped, SLICES
# turns each, so that both meet the same load from the rest of the machine.
# A figure is the median time from one buffer swap to the next over all of a
# program's turns, with the flower full.
# Usage: tools/real_frames.sh [BUILD] (SLICES=8 SLICE=3 in the environment)
set -eu
BUILD=${1:-build}
SLICES=${SLICES:-8}
SLICE=${SLICE:-3}
GOAL=1.05
. "$(dirname "$0")/drive.sh"

# time_turn PID LOG OUT: the program runs alone for SLICE seconds; its
# swap-to-swap times (ms) are appended to OUT.
time_turn() {
    kill -CONT "$1"
    wait_frames "$1" "$2" 2  # leaves out the frame that spans the pause
    first=$(frames_so_far "$2")
    sleep "$SLICE"
    last=$(frames_so_far "$2")
    kill -STOP "$1"
    sed -n "${first},${last}p" "$2" | awk 'NR > 1 { print ($1 - prev) / 1e6 } { prev = $1 }' >>"$3"
}

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%.1f", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }

load() { cut -d ' ' -f 1-3 /proc/loadavg; }

start_server
echo "load average at the start: $(load) ($(nproc) cores)"
printf '%-6s %12s %12s %6s\n' N program reference ratio
for n in 99999 4181; do
    take_turns "$n" time_turn

    a=$(median "$drive_dir/ours") b=$(median "$drive_dir/reference")
    printf '%-6s %9s ms %9s ms %6s   (%d and %d frames)\n' "$n" "$a" "$b" \
        "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')" \
        "$(wc -l <"$drive_dir/ours")" "$(wc -l <"$drive_dir/reference")"
done
echo "load average at the end: $(load); goal: a ratio of at most $GOAL"
