#!/bin/sh
# A learner who closes the splash early, with the window manager's close button, still gets the
# main window when the splash's time is up.
set -eu
exe="$1"
close_window="$2"
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=sv_SE.UTF-8
start_xvfb
printf '[Options]\r\nWelcome=0\r\n' >"$work/config/Vokabo.ini"

"$exe" >"$work/out.log" 2>&1 &
pid=$!

fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$work/out.log"
    kill "$pid" 2>/dev/null || true
    exit 1
}

splash=$(find_window '^Start$')
[ -n "$splash" ] || fail "the splash did not appear"
"$close_window" "$splash" || fail "could not ask the splash to close"
i=0
while xdotool search --onlyvisible --name '^Start$' >/dev/null 2>&1; do
    i=$((i + 1))
    [ "$i" -gt 50 ] && fail "the splash did not close"
    sleep 0.1
done
main=$(find_window '^Vokabo - Osparad ordlista$')
[ -n "$main" ] || fail "no main window after the splash was closed early"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: the splash closed early, the main window came up all the same"
