#!/bin/sh
# Starts the real program again and again, under the window manager Openbox or under none, and
# checks where its windows stand: the main window keeps its place from start to start (in
# [Position] and on the screen), a position off every screen comes back into view, and the about
# box is centred over the main window. Corners and centres are the frames', measured from outside.
set -eu
exe="$1"
manager="$2" # openbox or none
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=sv_SE.UTF-8
start_xvfb
ini="$work/config/Vokabo.ini"
pid=""

fail() {
    echo "FAIL ($manager): $*"
    [ -f "$work/out.log" ] && { echo "--- program output"; cat "$work/out.log"; }
    echo "--- settings"; tr -d '\r' <"$ini" 2>/dev/null || true
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    exit 1
}

if [ "$manager" = openbox ]; then
    command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wmpid=$!
    trap 'kill "$wmpid" 2>/dev/null || true; cleanup' EXIT
    # Openbox is up once it has claimed the screen.
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

# "x y width height" of a window's frame: the client area as the X server places it (xdotool's
# own figure counts the frame twice under a reparenting manager) plus the manager's borders.
frame_of() {
    info=$(LC_ALL=C xwininfo -id "$1")
    x=$(printf '%s\n' "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(printf '%s\n' "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(printf '%s\n' "$info" | sed -n 's/.*Width: *//p')
    h=$(printf '%s\n' "$info" | sed -n 's/.*Height: *//p')
    set -- $(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',') 
    l=${1:-0} r=${2:-0} t=${3:-0} b=${4:-0}
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)) $t"
}

# Like find_window, but asks again after an X error: a search may meet a window (the splash, a
# frame) that is destroyed while it looks.
wait_window() {
    for _ in $(seq 1 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
}

# The frame once it has stood still for a second: a window manager frames a new window a moment
# after it maps, and the program places it again then, later on a slow (sanitized) build.
settled_frame() {
    sleep 1
    last="" same=0
    for _ in $(seq 1 50); do
        now=$(frame_of "$1")
        if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge 3 ] && break
        last=$now
        sleep 0.3
    done
    echo "$now"
}

near() { [ "$(( $1 - $2 ))" -le "$3" ] && [ "$(( $2 - $1 ))" -le "$3" ]; }

setting() { tr -d '\r' <"$ini" | sed -n "/^\[Position\]/,/^\[/s/^$1=//p"; }

focus() {
    if [ "$manager" = openbox ]; then xdotool windowactivate --sync "$1"; else xdotool windowfocus --sync "$1"; fi
}

# One start: waits for the main window, lets it settle, notes its frame, and leaves by File > Exit.
start_once() {
    "$exe" >"$work/out.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Vokabo - ')
    [ -n "$main" ] || fail "no main window"
    frame=$(settled_frame "$main")
    i=0
    while kill -0 "$pid" 2>/dev/null; do
        # File > Exit, and again every 3 s: on a busy machine a key may reach the window before
        # it has the focus.
        if [ $((i % 30)) -eq 0 ]; then
            focus "$main" || true
            xdotool key --clearmodifiers alt+a
            sleep 0.3
            xdotool key --clearmodifiers a
        fi
        i=$((i + 1))
        [ "$i" -gt 150 ] && fail "the program did not end after File > Exit"
        sleep 0.1
    done
    wait "$pid" || fail "the program ended with an error"
    pid=""
}

# Six starts in a row keep the frame's corner and [Position] within a pixel (15 twips).
six_starts() {
    label="$1"
    first_frame="" first_x="" first_y=""
    for n in 1 2 3 4 5 6; do
        start_once
        set -- $frame
        fx=$1 fy=$2
        sx=$(setting X) sy=$(setting Y)
        [ -n "$sx" ] && [ -n "$sy" ] || fail "$label: no [Position] after start $n"
        if [ -z "$first_frame" ]; then
            first_frame="$fx $fy" first_x=$sx first_y=$sy
        fi
        set -- $first_frame
        near "$fx" "$1" 1 && near "$fy" "$2" 1 ||
            fail "$label: start $n put the frame at $fx,$fy, the first at $1,$2"
        near "$sx" "$first_x" 15 && near "$sy" "$first_y" 15 ||
            fail "$label: start $n stored $sx,$sy, the first $first_x,$first_y"
        # The stored corner is the frame's corner.
        near "$((sx / 15))" "$fx" 1 && near "$((sy / 15))" "$fy" 1 ||
            fail "$label: stored $sx,$sy twips for a frame at $fx,$fy"
    done
    echo "$label: six starts at $first_frame, stored X=$first_x Y=$first_y"
}

printf '[Options]\r\nWelcome=0\r\n' >"$ini"
six_starts "from no position"
set -- $first_frame
near "$1" 0 1 && near "$2" 0 1 || fail "without a stored position the frame is at $1,$2, not 0,0"

printf '[Options]\r\nWelcome=0\r\n[Position]\r\nX=3000\r\nY=4500\r\n' >"$ini"
six_starts "from X=3000 Y=4500"
set -- $first_frame
near "$1" 200 1 && near "$2" 300 1 || fail "X=3000 Y=4500 put the frame at $1,$2, not 200,300"

# Off every screen: back just far enough that the whole title bar shows.
printf '[Options]\r\nWelcome=0\r\n[Position]\r\nX=-30000\r\nY=-30000\r\n' >"$ini"
start_once
set -- $frame
[ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$(($1 + $3))" -le 1024 ] && [ "$(($2 + $5))" -le 768 ] ||
    fail "X=-30000 Y=-30000 left the frame at $1,$2 (${3}x$4), title bar $5 high, off a 1024x768 screen"
near "$1" 0 1 && near "$2" 0 1 || fail "X=-30000 Y=-30000 moved the frame further than needed, to $1,$2"
echo "off screen: back to $1,$2"

# The about box greets at the first start, centred over the main window's frame.
printf '[Position]\r\nX=1500\r\nY=3000\r\n' >"$ini"
"$exe" >"$work/out.log" 2>&1 &
pid=$!
about=$(wait_window '^Om Vokabo$')
[ -n "$about" ] || fail "the about box did not greet"
main=$(wait_window '^Vokabo - ')
set -- $(settled_frame "$main")
mcx=$(($1 * 2 + $3)) mcy=$(($2 * 2 + $4)) # twice the centre, to stay in whole pixels
set -- $(settled_frame "$about")
acx=$(($1 * 2 + $3)) acy=$(($2 * 2 + $4))
near "$acx" "$mcx" 4 && near "$acy" "$mcy" 4 ||
    fail "the about box's frame centre is at $((acx / 2)),$((acy / 2)), the main window's at $((mcx / 2)),$((mcy / 2))"
echo "about box centred: $((acx / 2)),$((acy / 2)) over $((mcx / 2)),$((mcy / 2))"
kill "$pid"
# It writes its settings on the way out; the folder goes only after that.
wait_for_end "$pid" || fail "the program did not end on SIGTERM"
pid=""
echo "PASS ($manager): the main window keeps its place, comes back into view, the about box is centred"
