#!/bin/sh
# Installs the built program into a temporary prefix and checks the installed tree as a desktop
# would use it: the desktop entry, the metadata, the file types, the icons, the manual page, and
# that the installed program finds its help file (Help > Contents under a virtual X server).
set -eu
build="$1"
. "$(dirname "$0")/../support/xvfb.sh"
prefix="$work/prefix"

fail() {
    echo "FAIL: $*"
    [ -f "$work/out.log" ] && { echo "--- program output"; cat "$work/out.log"; }
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }

id=org.example.Vokabo
for f in bin/vokabo share/vokabo/Vokabo.hlp share/applications/$id.desktop \
    share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml share/man/man1/vokabo.1 \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    # The PNG header holds the width and height as 32-bit big-endian numbers at bytes 16 and 20.
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    height=$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "the ${size} icon is ${width}x${height}"
done
[ -x "$prefix/bin/vokabo" ] || fail "the program is not executable"
# The printer module, loaded from the library folder beside bin/ when printing on a printer.
module=$(find "$prefix" -path '*/vokabo/libvokabo_printer.so' | head -n 1)
[ -n "$module" ] || fail "the printer module was not installed"
case "$module" in "$prefix"/lib*/vokabo/libvokabo_printer.so) ;; *) fail "the printer module is in $module";; esac
! ldd "$module" | grep -q 'not found' || fail "the printer module misses a library"
ldd "$prefix/bin/vokabo" | grep -q PrintSupport && fail "the program links the print support library"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -q '^Exec=vokabo %f$' "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not pass a file"
grep -q '^Categories=Education;Languages;$' "$prefix/share/applications/$id.desktop" || fail "wrong categories"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 || { cat "$work/as.log"; fail "the metadata is not valid"; }
xmllint --noout "$prefix/share/mime/packages/$id.xml" || fail "the file-type XML is not well formed"
grep -q 'pattern="\*.vkf"' "$prefix/share/mime/packages/$id.xml" || fail "no *.vkf file type"

"$prefix/bin/vokabo" --version | grep -q '^Vokabo [0-9]' || fail "--version printed no version"
"$prefix/bin/vokabo" --help | grep -q 'Usage: vokabo' || fail "--help printed no usage"

# The installed program, its help file away from its executable: Help > Contents opens it.
printf '[Options]\r\nWelcome=0\r\n' >"$work/config/Vokabo.ini"
export LANG=en_GB.UTF-8
start_xvfb
"$prefix/bin/vokabo" >"$work/out.log" 2>&1 &
pid=$!
main=$(find_window '^Vokabo - Unsaved wordlist$')
[ -n "$main" ] || { kill "$pid"; fail "the installed program showed no main window"; }
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key --clearmodifiers c
help=$(find_window 'Help$')
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -n "$help" ] || fail "Help > Contents opened no help window"
xdotool search --name 'Helpfile not found' >/dev/null 2>&1 && fail "the installed program did not find its help file"
echo "PASS: installed tree valid; the installed program found its help file"
