#!/bin/sh
# Starts the real program under a virtual X server as a user would: the splash hands over to the
# main window, the about box greets and is confirmed with Enter, File > Exit ends the program.
# Then checks the title it showed and the settings file it wrote.
set -eu
exe="$1"
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=sv_SE.UTF-8
start_xvfb

"$exe" >"$work/out.log" 2>&1 &
pid=$!

fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$work/out.log"
    echo "--- settings"; cat "$work/config/Vokabo.ini" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    exit 1
}

splash=$(find_window '^Start$') || fail "the splash did not appear"
[ -n "$splash" ] || fail "the splash did not appear"
about=$(find_window '^Om Vokabo$') || fail "the about box did not greet"
[ -n "$about" ] || fail "the about box did not greet"
main=$(find_window '^Vokabo - Osparad ordlista$') || fail "no main window with the unsaved-list title"
[ -n "$main" ] || fail "no main window with the unsaved-list title"
xdotool search --onlyvisible --name '^Start$' >/dev/null 2>&1 && fail "the splash is still open"

xdotool windowfocus --sync "$about"
xdotool key --clearmodifiers Return
sleep 0.5
xdotool search --onlyvisible --name '^Om Vokabo$' >/dev/null 2>&1 && fail "the about box did not close"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+a
sleep 0.3
xdotool key --clearmodifiers a

i=0
while kill -0 "$pid" 2>/dev/null; do
    i=$((i + 1))
    [ "$i" -gt 100 ] && fail "the program did not end after File > Exit"
    sleep 0.1
done
wait "$pid" || fail "the program ended with an error"

ini="$work/config/Vokabo.ini"
[ -f "$ini" ] || fail "no settings file was written"
text=$(tr -d '\r' <"$ini")
for expected in "[Options]" "Welcome=0" "ShowRw=0" "[Position]" "X=" "Y=" "Antal=6" \
    "0=Engelska" "6=Italienska" "[Files]" "1=" "4="; do
    printf '%s\n' "$text" | grep -qxF -- "$expected" || printf '%s\n' "$text" | grep -q -- "^$expected" ||
        fail "the settings file lacks $expected"
done
# Swedish section names are stored in Windows-1252, as the file has always been.
LC_ALL=C grep -q "$(printf '\\[Inst\344llningar\\]')" "$ini" || fail "[Inställningar] is not in Windows-1252"
echo "PASS: splash, main window, about box and exit as a user would; settings written"
