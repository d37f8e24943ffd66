#!/bin/sh
# CPU time per frame as a graphics card's driver would see it: Mesa's no-op
# back-end (GALLIUM_NOOP=1) runs the OpenGL front-end and rasterises nothing.
# build/spiravel with N and speed 1 set through its palette, and
# reference_view drawing the same full flower from vertex arrays, at
# N = 4181, 20000 and 99999, on one virtual X server. Each is sampled alone:
# the two take turns, SLICES turns of SLICE seconds each, the other stopped.
# A figure is all of a program's CPU (user and system, every thread) over its
# turns divided by the frames it swapped in them; in brackets the system
# part, most of it the kernel clearing the pages that the no-op back-end
# takes afresh for the vertices it is handed, which a real driver reuses.
# Usage: tools/noop_cpu.sh [BUILD] (SLICES=4 SLICE=3 COUNTS="4181 20000 99999")
set -eu
BUILD=${1:-build}
SLICES=${SLICES:-4}
SLICE=${SLICE:-3}
COUNTS=${COUNTS:-4181 20000 99999}
. "$(dirname "$0")/drive.sh"
GALLIUM_NOOP=1
export GALLIUM_NOOP

# Clock ticks the process has run, user and system, all threads.
cpu_ticks() { awk '{ print $14, $15 }' "/proc/$1/stat"; }

# cpu_turn PID LOG OUT: the program runs alone for SLICE seconds; its ticks
# and frames in that time are appended to OUT.
cpu_turn() {
    kill -CONT "$1"
    wait_frames "$1" "$2" 2  # leaves out the frame that spans the pause
    frames=$(frames_so_far "$2") ticks=$(cpu_ticks "$1")
    sleep "$SLICE"
    echo "$ticks $(cpu_ticks "$1") $(($(frames_so_far "$2") - frames))" >>"$3"
    kill -STOP "$1"
}

# "total (system)" in ms a frame.
per_frame() {
    awk -v hz="$(getconf CLK_TCK)" '{ u += $3 - $1; s += $4 - $2; f += $5 }
        END { printf "%.2f (%.2f)", 1000 * (u + s) / hz / f, 1000 * s / hz / f }' "$1"
}

start_server
echo "load average at the start: $(cut -d ' ' -f 1-3 /proc/loadavg) ($(nproc) cores)"
echo "ms a frame, all CPU (of it the system's)"
printf '%-6s %16s %16s %6s\n' N program reference ratio
for n in $COUNTS; do
    take_turns "$n" cpu_turn

    a=$(per_frame "$drive_dir/ours") b=$(per_frame "$drive_dir/reference")
    printf '%-6s %16s %16s %6s\n' "$n" "$a" "$b" "$(awk -v a="${a% *}" -v b="${b% *}" 'BEGIN { printf "%.1f", a / b }')"
done
echo "load average at the end: $(cut -d ' ' -f 1-3 /proc/loadavg); goals: at most 10 ms at 99999, at most 3 times the reference at 20000 and 99999"
