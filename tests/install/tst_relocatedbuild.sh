#!/bin/sh
# Configures the project with the programs built into a bin/ folder of their own and builds what
# must sit beside the program: the help file and the printer module's folder follow it there.
set -eu
source="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    cat "$work/log"
    exit 1
}
cmake -S "$source" -B "$work/build" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$work/build/bin" \
    -DVOKABO_BUILD_TESTS=OFF -DVOKABO_BUILD_BENCH=OFF >"$work/log" 2>&1 || fail "configure failed"
cmake --build "$work/build" --target vokabo_helpfile >>"$work/log" 2>&1 || fail "build failed"
[ -f "$work/build/bin/Vokabo.hlp" ] || fail "the help file is not beside the program in bin/"
[ ! -e "$work/build/app/Vokabo.hlp" ] || fail "the help file went to app/"
echo "PASS: the help file sits beside the relocated program"
