#!/bin/sh
# Writes the README's screenshot: the program under a virtual X server, its
# main window with the control palette beside it, once the flower has grown.
# Usage: tools/screenshot.sh [PROGRAM] [OUT.png]
set -eu
prog=${1:-build/spiravel}
out=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"

xvfb-run -a -s "-screen 0 1476x700x24" sh -c '
    "$1" &
    pid=$!
    trap "kill $pid 2>/dev/null" EXIT
    find() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
    for i in $(seq 100); do
        main=$(find "^Spiravel 1.0 - ")
        palette=$(find "^Control Palette\$")
        [ -n "$main" ] && [ -n "$palette" ] && break
        sleep 0.1
    done
    [ -n "$main" ] || { echo "the main window never appeared" >&2; exit 1; }
    # Without a window manager both windows open at the top-left corner.
    xdotool windowmove "$main" 0 0
    [ -n "$palette" ] && xdotool windowmove "$palette" 1140 0
    sleep 5
    import -window root "$2"
' _ "$prog" "$out"
echo "wrote $out"
