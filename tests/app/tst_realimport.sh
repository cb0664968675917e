#!/bin/sh
# Imports a spreadsheet's CSV named on the command line, as a user would: the import window is
# confirmed, the list shows unsaved, Save asks for a name (cancelled: the CSV is untouched and
# nothing is written), then Save as a new word list holds the CSV's rows.
set -eu
exe="$1"
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=sv_SE.UTF-8
start_xvfb

printf '[Options]\r\nWelcome=0\r\n' >"$work/config/Vokabo.ini"
# A Swedish spreadsheet's export: semicolons, quotes, a blank row, Windows-1252.
printf 'hund;dog\r\n"katt; kisse";"cat ""tom"""\r\n;\r\n\344lg;moose\r\n' >"$work/djur.csv"
cp "$work/djur.csv" "$work/original.csv"

"$exe" "$work/djur.csv" >"$work/out.log" 2>&1 &
pid=$!

fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$work/out.log"
    ls -la "$work"
    kill "$pid" 2>/dev/null || true
    exit 1
}

dialog=$(find_window '^Importera ordlista$') || fail "the import window did not appear"
[ -n "$dialog" ] || fail "the import window did not appear"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers Return

main=$(find_window '^Vokabo - Osparad ordlista$') || fail "no main window with the unsaved-list title"
[ -n "$main" ] || fail "no main window with the unsaved-list title"
sleep 0.5

# Save asks for a name; cancelled, nothing is written.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+s
save=$(find_window '^Spara ordlista som$') || fail "Save did not ask for a name"
[ -n "$save" ] || fail "Save did not ask for a name"
xdotool windowfocus --sync "$save"
xdotool key --clearmodifiers Escape
sleep 0.5
xdotool search --onlyvisible --name '^Spara ordlista som$' >/dev/null 2>&1 && fail "the save dialog did not close"
cmp -s "$work/djur.csv" "$work/original.csv" || fail "the CSV was changed"
[ -e "$work/djur.vkf" ] && fail "a word list was written without being asked for"

# Saved under a new name, the list holds the CSV's rows, the blank one included.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+s
save=$(find_window '^Spara ordlista som$') || fail "Save did not ask for a name again"
[ -n "$save" ] || fail "Save did not ask for a name again"
xdotool windowfocus --sync "$save"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$work/sparad.vkf"
xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do
    [ -s "$work/sparad.vkf" ] && break
    sleep 0.1
done
[ -s "$work/sparad.vkf" ] || fail "Save as wrote no word list"
printf 'hund\r\ndog\r\nkatt; kisse\r\ncat "tom"\r\n\r\n\r\n\344lg\r\nmoose\r\n' >"$work/expected"
tail -n +4 "$work/sparad.vkf" >"$work/rows"
cmp -s "$work/rows" "$work/expected" || { od -c "$work/rows"; fail "the saved rows differ from the CSV's"; }
cmp -s "$work/djur.csv" "$work/original.csv" || fail "the CSV was changed"
main=$(find_window '^Vokabo - sparad.vkf$') || fail "the title does not name the saved list"
[ -n "$main" ] || fail "the title does not name the saved list"

exit_by_menu "$main"
wait_for_end "$pid" || fail "the program did not end after File > Exit"
wait "$pid" || fail "the program ended with an error"
echo "PASS: a CSV from the command line came in unsaved, Save asked for a name, the CSV is untouched"
