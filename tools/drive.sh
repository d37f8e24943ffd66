# Drives the real program as a person would, on a virtual X server of its
# own: starts it with the swap clock preloaded (every buffer swap's time, one
# line of nanoseconds, in its swap log), finds its windows, moves the palette
# off the view and sets the point count and growth speed through the palette
# widgets. Sourced by the measuring scripts and the screenshot script, after
# they set BUILD to the build folder.

drive_dir=$(mktemp -d)
drive_server=
started=

drive_cleanup() {
    for pid in $started; do stop_program "$pid"; done
    [ -n "$drive_server" ] && { kill "$drive_server" 2>/dev/null; wait "$drive_server" 2>/dev/null || true; }
    rm -rf "$drive_dir"
}
trap drive_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "$*" >&2
    exit 1
}

# A private Xvfb, by default with room for the program's windows and a
# reference view below them; exports DISPLAY.
# Usage: start_server [WIDTHxHEIGHT]
start_server() {
    Xvfb -displayfd 3 -screen 0 "${1:-1600x1440}x24" -nolisten tcp 3>"$drive_dir/display" 2>/dev/null &
    drive_server=$!
    for _ in $(seq 100); do
        [ -s "$drive_dir/display" ] && break
        sleep 0.1
    done
    [ -s "$drive_dir/display" ] || fail "the X server did not start"
    DISPLAY=:$(head -n 1 "$drive_dir/display")
    export DISPLAY
}

# Runs the command given (a program and its arguments) with the swap clock,
# its frames going to a fresh log: sets program_pid and swap_log.
start_program() {
    swap_log=$(mktemp "$drive_dir/swaps.XXXXXX")
    SWAP_CLOCK_LOG=$swap_log LD_PRELOAD="$BUILD/bench/swap_clock.so${LD_PRELOAD:+:$LD_PRELOAD}" \
        "$@" >/dev/null 2>&1 &
    program_pid=$!
    started="$started $program_pid"
}

stop_program() {
    kill -CONT "$1" 2>/dev/null || return 0
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null || true
}

# The mapped top-level window whose title matches the pattern.
find_window() {
    for _ in $(seq 200); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    fail "no window titled $1 appeared"
}

# frames_so_far LOG: the swaps logged so far.
frames_so_far() { wc -l <"$1"; }

# wait_frames PID LOG n: waits until the program has swapped n more frames.
wait_frames() {
    target=$(($(frames_so_far "$2") + $3))
    for _ in $(seq 6000); do
        [ "$(frames_so_far "$2")" -ge "$target" ] && return 0
        kill -0 "$1" 2>/dev/null || fail "the program ended"
        sleep 0.1
    done
    fail "the program drew no $3 frames in 10 minutes"
}

# The program's windows found and set side by side: $main, $palette.
place_windows() {
    main=$(find_window "^Spiravel 1.0 - ")
    palette=$(find_window "^Control Palette\$")
    # Without a window manager both open at the top-left corner.
    xdotool windowmove "$main" 0 0 windowmove "$palette" 1140 0
}

# The program started, its windows found and set apart: $main, $palette,
# and program_pid and swap_log as start_program sets them.
start_spiravel() {
    start_program "$@"
    place_windows
    wait_frames "$program_pid" "$swap_log" 2
}

# Types the count into the point-count field and commits it with Return.
set_count() {
    xdotool mousemove --window "$palette" 75 286 click 1
    sleep 0.3
    xdotool key ctrl+a type --delay 50 "$1"
    xdotool key Return
    sleep 0.3
}

# Drags the speed slider's knob past the right end of its track: speed 1.
set_full_speed() {
    xdotool mousemove --window "$palette" 84 347 mousedown 1
    sleep 0.3
    xdotool mousemove --window "$palette" 300 347
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
}

# N = count and speed 1 through the palette; returns once the flower is
# full (at speed 1 a birth of a hundredth of N a frame fills it in 100).
grow_full_flower() {
    set_full_speed
    set_count "$1"
    wait_frames "$program_pid" "$swap_log" 150
}

# The program alone on a fresh server with a full flower of N = 99999 at
# speed 1, the load average then printed: how the long measurements begin.
start_full_flower() {
    start_server
    start_spiravel "$BUILD/spiravel"
    grow_full_flower 99999
    echo "load average with the flower full: $(cut -d ' ' -f 1-3 /proc/loadavg) ($(nproc) cores)"
}

# take_turns N TURN: the real program and reference_view, each with a full
# flower of N points and stopped but for its turns: SLICES turns each of
# `TURN PID LOG OUT`, one program after the other, OUT being
# $drive_dir/ours or $drive_dir/reference; both ended afterwards.
take_turns() {
    start_spiravel "$BUILD/spiravel"
    grow_full_flower "$1"
    ours=$program_pid ours_log=$swap_log
    kill -STOP "$ours"

    start_program "$BUILD/bench/reference_view" "$1"
    xdotool windowmove "$(find_window "^Reference view\$")" 0 730
    wait_frames "$program_pid" "$swap_log" 20
    kill -STOP "$program_pid"

    : >"$drive_dir/ours" && : >"$drive_dir/reference"
    for _ in $(seq "$SLICES"); do
        "$2" "$ours" "$ours_log" "$drive_dir/ours"
        "$2" "$program_pid" "$swap_log" "$drive_dir/reference"
    done
    stop_program "$ours"
    stop_program "$program_pid"
}
