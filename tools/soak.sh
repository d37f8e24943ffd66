#!/bin/sh
# The real program's memory over a long run: build/spiravel with N = 99999 and
# speed 1 set through its palette on a virtual X server, its resident memory
# sampled every 15 s for MINUTES minutes once the flower is full, and the
# growth per hour fitted through the samples (least squares).
# Usage: tools/soak.sh [BUILD] [MINUTES]   (default 60 minutes)
set -eu
BUILD=${1:-build}
MINUTES=${2:-60}
. "$(dirname "$0")/drive.sh"

# kB of resident memory, all and anonymous; and the span of the main heap
# (brk), which grows when the allocator cannot place a request lower down.
resident() {
    awk '$1 == "VmRSS:" { all = $2 } $1 == "RssAnon:" { anon = $2 } END { printf "%d %d ", all, anon }' "/proc/$1/status"
    span=$(grep '\[heap\]' "/proc/$1/maps" | cut -d ' ' -f 1)
    echo $(((0x${span#*-} - 0x${span%-*}) / 1024))
}

start_full_flower
samples=$drive_dir/samples
start=$(date +%s)
printf '%8s %10s %10s %10s %8s\n' minutes "RSS kB" "anon kB" "heap kB" frames
for i in $(seq 0 $((MINUTES * 4))); do
    wait=$((start + 15 * i - $(date +%s)))
    [ "$wait" -le 0 ] || sleep "$wait"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
    line="$(($(date +%s) - start)) $(resident "$program_pid") $(frames_so_far "$swap_log")"
    echo "$line" >>"$samples"
    echo "$line" | awk '{ printf "%8.2f %10d %10d %10d %8d\n", $1 / 60, $2, $3, $4, $5 }'
done
awk '{ n++; t += $1; r += $2; tt += $1 * $1; tr += $1 * $2; a += $3; ta += $1 * $3 }
     NR == 1 { r0 = $2; f0 = $5 } { r1 = $2; f1 = $5; t1 = $1 }
     END {
         d = n * tt - t * t
         printf "resident growth: %+.2f MB an hour (fitted), %+.2f MB in all; anonymous %+.2f MB an hour\n",
             (n * tr - t * r) / d * 3600 / 1024, (r1 - r0) / 1024, (n * ta - t * a) / d * 3600 / 1024
         printf "%d frames in %.1f minutes, %.1f frames a second\n", f1 - f0, t1 / 60, (f1 - f0) / t1
     }' "$samples"
