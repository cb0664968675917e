#!/bin/sh
# A word typed and never saved survives a SIGKILL: the real program is killed after typing, the
# next start asks whether to restore the list, Yes brings the word back, and SIGTERM then ends the
# program with its exit settings written and the list's recovery copy kept.
set -eu
exe="$1"
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=sv_SE.UTF-8
printf '[Options]\r\nWelcome=0\r\n' >"$work/config/Vokabo.ini"
start_xvfb
pid=""

fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$work/out.log" 2>/dev/null || true
    echo "--- files"; find "$work/.local" 2>/dev/null || true
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    exit 1
}
copy_of() { find "$work/.local" -name "recovery-$1.vkr" 2>/dev/null | head -n 1; }

"$exe" >"$work/out.log" 2>&1 &
pid=$!
main=$(find_window '^Vokabo - Osparad ordlista$') || true
[ -n "$main" ] || fail "no main window"
# Ord > Skriv ord, then the word in the first box; again if a busy machine lost the keys.
typed=""
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$main" || true
    xdotool key --clearmodifiers alt+o || true
    sleep 0.5
    xdotool key --clearmodifiers s || true
    sleep 1
    xdotool type --delay 50 "katt" || true
    i=0
    while [ "$i" -lt 50 ]; do
        copy=$(copy_of "$pid")
        if [ -n "$copy" ] && grep -q katt "$copy"; then typed=1; break; fi
        i=$((i + 1))
        sleep 0.1
    done
    [ -n "$typed" ] && break
done
[ -n "$typed" ] || fail "no recovery copy with the word within 5 s of typing"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
first=$pid

"$exe" >>"$work/out.log" 2>&1 &
pid=$!
question=$(find_window '^Vokabo$') || true
[ -n "$question" ] || fail "the next start did not offer the list back"
# Yes is the default answer; again if a busy machine lost the key.
restored=""
for attempt in 1 2 3; do
    if xdotool search --onlyvisible --name '^Vokabo$' >/dev/null 2>&1; then
        xdotool windowfocus --sync "$question" || true
        xdotool key --clearmodifiers Return || true
    fi
    i=0
    while [ "$i" -lt 50 ]; do
        copy=$(copy_of "$pid")
        if [ -n "$copy" ] && grep -q katt "$copy"; then restored=1; break; fi
        i=$((i + 1))
        sleep 0.1
    done
    [ -n "$restored" ] && break
done
[ -n "$restored" ] || fail "the restored list does not hold the word"
[ -z "$(copy_of "$first")" ] || fail "the killed copy's recovery file was not removed"
xdotool search --onlyvisible --name '^Vokabo - Osparad ordlista$' >/dev/null ||
    fail "the restored list is not titled as an unsaved list"

rm -f "$work/config/Vokabo.ini"
kill -TERM "$pid"
wait_for_end "$pid" || fail "the program did not end on SIGTERM"
wait "$pid" || fail "the program ended with an error on SIGTERM"
pid=""
grep -q '^\[Files\]' "$work/config/Vokabo.ini" || fail "SIGTERM did not write the exit settings"
[ -n "$(find "$work/.local" -name 'recovery-*.vkr' -exec grep -l katt {} +)" ] ||
    fail "SIGTERM did not keep the recovery copy"
echo "PASS: typed word back after SIGKILL and Yes; SIGTERM wrote the settings and kept the copy"
