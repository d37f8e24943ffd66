#!/bin/sh
# Writes the README's screenshot: the program under a virtual X server, its
# main window with the control palette beside it, once the flower has grown.
# Usage: tools/screenshot.sh [PROGRAM] [OUT.png]
set -eu
prog=${1:-build/spiravel}
out=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
. "$(dirname "$0")/drive.sh"

start_server 1476x700
"$prog" >/dev/null 2>&1 &
started="$started $!"
place_windows
sleep 5
import -window root "$out"
echo "wrote $out"
