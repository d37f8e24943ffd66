#!/bin/sh
# Frames a second and the program's CPU share at N = 50 and speed 1, on a
# virtual X server: swaps counted by the swap clock, CPU time (all threads)
# from /proc over SAMPLE_SECONDS once the flower is full.
# Usage: tools/frame_rate.sh [BUILD] (SAMPLE_SECONDS=10 in the environment)
set -eu
BUILD=${1:-build}
SAMPLE_SECONDS=${SAMPLE_SECONDS:-10}
. "$(dirname "$0")/drive.sh"

# Clock ticks the process has run, user and system.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

start_server
start_spiravel "$BUILD/spiravel"
grow_full_flower 50
first=$(frames_so_far "$swap_log") ticks=$(cpu_ticks "$program_pid")
sleep "$SAMPLE_SECONDS"
frames=$(($(frames_so_far "$swap_log") - first)) ticks=$(($(cpu_ticks "$program_pid") - ticks))
awk -v f="$frames" -v t="$ticks" -v s="$SAMPLE_SECONDS" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.1f frames a second, %.0f %% of a core\n", f / s, 100 * t / hz / s }'
echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg) ($(nproc) cores)"
