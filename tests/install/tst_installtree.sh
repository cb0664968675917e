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

id=io.github.vokabo.Vokabo
for f in bin/vokabo share/vokabo/Vokabo.hlp share/applications/$id.desktop \
    share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/vokabo/copyright; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
# The manual pages and the changelog are compressed as Debian expects, and read back whole.
for page in man1 sv/man1 fi/man1; do
    gz="$prefix/share/man/$page/vokabo.1.gz"
    [ -f "$gz" ] || fail "share/man/$page/vokabo.1.gz was not installed"
    gzip -t "$gz" || fail "$page/vokabo.1.gz is not a whole gzip file"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page/vokabo.1: $warnings"
done
gzip -dc "$prefix/share/man/man1/vokabo.1.gz" | grep -q 'Count c' || fail "the manual page does not name the Count c button"
changelog="$prefix/share/doc/vokabo/changelog.gz"
[ -f "$changelog" ] || fail "the changelog was not installed"
gzip -dc "$changelog" >"$work/changelog"
head -n 1 "$work/changelog" | grep -q '^vokabo ([0-9.]*) unstable; urgency=medium$' || fail "the changelog has no Debian heading"
grep -q '^ -- .* <.*>  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9]\{4\} ' "$work/changelog" || fail "the changelog has no sign-off line"
awk '!/^ -- / && length > 80 { exit 1 }' "$work/changelog" || fail "a changelog item line is longer than 80 columns"
if command -v dpkg-parsechangelog >/dev/null; then
    version=$(dpkg-parsechangelog -l "$work/changelog" -S Version) || fail "dpkg cannot read the changelog"
    "$prefix/bin/vokabo" --version | grep -qx "Vokabo $version" || fail "the changelog's version $version is not the program's"
fi
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
grep -q '^StartupWMClass=vokabo$' "$prefix/share/applications/$id.desktop" || fail "no StartupWMClass"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 || { cat "$work/as.log"; fail "the metadata is not valid"; }
xmllint --noout "$prefix/share/mime/packages/$id.xml" || fail "the file-type XML is not well formed"
grep -q 'pattern="\*.vkf"' "$prefix/share/mime/packages/$id.xml" || fail "no *.vkf file type"

"$prefix/bin/vokabo" --version | grep -q '^Vokabo [0-9]' || fail "--version printed no version"
"$prefix/bin/vokabo" --help >"$work/help.txt"
grep -q 'Usage: vokabo' "$work/help.txt" || fail "--help printed no usage"
grep -q -- '-h, --help' "$work/help.txt" && grep -q -- '-v, --version' "$work/help.txt" || fail "--help does not name -h and -v"

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
# Asked while the program still runs: a missing help file shows this box instead of the help.
notfound=$(xdotool search --onlyvisible --name '^Helpfile not found$' 2>/dev/null | head -n 1)
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -z "$notfound" ] || fail "the installed program did not find its help file"
[ -n "$help" ] || fail "Help > Contents opened no help window"
echo "PASS: installed tree valid; the installed program found its help file"
