#!/bin/sh
# Starts the real program with Qt's own options before the word list, as desktop entries may:
# the options go to Qt, and the list named after them is opened.
set -eu
exe="$1"
. "$(dirname "$0")/../support/xvfb.sh"
export LANG=en_US.UTF-8
start_xvfb
printf '[Options]\r\nWelcome=0\r\n' >"$work/config/Vokabo.ini"
printf 'Animals\r\nGerman\r\nEnglish\r\nder Hund\r\ndog\r\n' >"$work/djur.vkf"

"$exe" -style Fusion -reverse "$work/djur.vkf" >"$work/out.log" 2>&1 &
pid=$!
fail() {
    echo "FAIL: $*"
    echo "--- program output"; cat "$work/out.log"
    kill "$pid" 2>/dev/null || true
    exit 1
}
main=$(find_window '^Vokabo - djur.vkf$') || true
[ -n "$main" ] || fail "no main window showing djur.vkf"
xdotool search --onlyvisible --name '^Open file$' >/dev/null 2>&1 && fail "a message box is open"
# SIGTERM ends it with its exit settings written; the folder goes only after that.
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: Qt's options were left to Qt and the word list was opened"
