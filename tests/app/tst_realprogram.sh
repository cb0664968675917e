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

exit_by_menu "$main"
wait_for_end "$pid" || fail "the program did not end after File > Exit"
wait "$pid" || fail "the program ended with an error"

ini="$work/config/Vokabo.ini"
[ -f "$ini" ] || fail "no settings file was written"
# Swedish section names are stored in Windows-1252, as the file has always been.
LC_ALL=C grep -q "$(printf '\\[Inst\344llningar\\]')" "$ini" || fail "[Inställningar] is not in Windows-1252"
text=$(iconv -f WINDOWS-1252 -t UTF-8 "$ini" | tr -d '\r') || fail "the settings file is not Windows-1252"

# The lines of one section, compared whole: the key lines between its heading and the next one.
section() { printf '%s\n' "$text" | awk -v heading="[$1]" '/^\[/ { on = ($0 == heading); next } on'; }
expect_section() {
    name=$1
    shift
    [ "$(section "$name")" = "$(printf '%s\n' "$@")" ] ||
        fail "section [$name] is not as expected: $(section "$name" | tr '\n' ' ')"
}

[ "$(printf '%s\n' "$text" | grep '^\[')" = "$(printf '%s\n' '[Språk1]' '[Språk2]' '[Options]' \
    '[Position]' '[Inställningar]' '[Files]')" ] || fail "the sections are not in the order of their first write"
expect_section Språk1 Antal=6 0=Engelska 1=Tyska 2=Franska 3=Spanska 4=Italienska 5=Finska 6=Svenska
expect_section Språk2 Antal=6 0=Svenska 1=Engelska 2=Tyska 3=Finska 4=Franska 5=Spanska 6=Italienska
expect_section Options Welcome=0 ShowRw=0
section Position | grep -Eqx 'X=-?[0-9]+' && section Position | grep -Eqx 'Y=-?[0-9]+' &&
    [ "$(section Position | wc -l)" -eq 2 ] || fail "section [Position] does not hold X and Y in twips"
expect_section Inställningar Språk1=Engelska Språk2=Svenska
expect_section Files 1= 2= 3= 4=
echo "PASS: splash, main window, about box and exit as a user would; settings written"
