# Shared by the shell tests that run the real program: a private X server and settings folder.
# Source it, then call start_xvfb; $work is a temporary folder removed on exit.
work=$(mktemp -d)
xpid=""
cleanup() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    # A program killed on a failure may still be writing its settings: try again a moment later.
    rm -rf "$work" 2>/dev/null || { sleep 1; rm -rf "$work"; } || true
}
trap cleanup EXIT

mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" HOME="$work"
export LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=xcb

start_xvfb() {
    # A free display: Xvfb tells its number through a file descriptor.
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xpid=$!
    exec 3>&-
    # A busy machine may take more than a few seconds to start the server.
    for _ in $(seq 1 200); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$work/display")"
}

# The id of the first visible window whose name matches, waiting up to 20 s; empty if none.
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# File > Exit with the keys of the Swedish interface, on the given main window.
exit_by_menu() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers alt+a
    sleep 0.3
    xdotool key --clearmodifiers a
}

# Waits up to 10 s for the process to end; false when it still runs.
wait_for_end() {
    i=0
    while kill -0 "$1" 2>/dev/null; do
        i=$((i + 1))
        [ "$i" -gt 100 ] && return 1
        sleep 0.1
    done
    return 0
}
