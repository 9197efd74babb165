#!/bin/sh
# Installs the build into a fresh prefix and runs the programs from there, as a user
# of the package would: nothing may depend on the build or the source tree.
# Usage: install_test.sh CMAKE BUILD_DIR VERSION
set -eu
cmake=$1 build=$2 version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/velmora bin/velmora-cli \
    share/velmora/help/index.html share/velmora/help/time-zones.png share/velmora/help/place-lookup.png \
    share/velmora/help/birds-day.png share/velmora/help/birds-day-dark.png share/velmora/help/birds-day-ta.png \
    share/velmora/help/guide.css share/velmora/help/planning.html share/velmora/help/planning-ta.html \
    share/velmora/help/birds-day-plan.png share/velmora/help/birds-day-plan-ta.png \
    share/applications/org.example.velmora.desktop share/metainfo/org.example.velmora.metainfo.xml \
    share/mime/packages/velmora.xml share/icons/hicolor/scalable/apps/velmora.svg \
    share/icons/hicolor/48x48/apps/velmora.png share/icons/hicolor/256x256/apps/velmora.png \
    share/man/man1/velmora.1 share/man/man1/velmora-cli.1; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done

# The place look-up's module, where the program looks for it (a UTF-16 string in the program),
# with its entry point.
module=$(strings -e l "$prefix/bin/velmora" | grep -o -m1 '/\.\./.*/velmora_lookup\.so$') || fail "the program names no look-up module"
[ -f "$prefix/bin$module" ] || fail "the look-up module is not at bin$module"
nm -D --defined-only "$prefix/bin$module" | grep -q ' velmora_open_location_lookup$' ||
    fail "the look-up module has no entry point"

desktop-file-validate "$prefix/share/applications/org.example.velmora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.velmora.metainfo.xml" >/dev/null ||
    fail "the metainfo does not validate"
# The file type must compile into the desktop's database.
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"
[ -f "$prefix/share/mime/application/x-velmora-reading.xml" ] || fail "the mime package defines no type"
for page in velmora velmora-cli; do
    grep -q "^\.TH $(echo "$page" | tr a-z A-Z) \"1\"" "$prefix/share/man/man1/$page.1" || fail "$page.1 is no manual page"
done

cd "$work"
reading=$("$prefix/bin/velmora-cli" reading --name Asha --date 1947-08-15 --time 00:00 --zone 5:30 \
    --longitude 77:12E --latitude 28:36N --save asha.tam)
echo "$reading" | grep -q '^Star: *Pushya$' || fail "velmora-cli reading gave: $reading"

# Help and version need no display: with none at all, a QApplication would abort.
noscreen="env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
[ "$($noscreen "$prefix/bin/velmora" --version)" = "velmora $version" ] || fail "velmora --version"
$noscreen "$prefix/bin/velmora" --help | grep -q '^Usage: velmora \[options\] \[FILE.tam\]$' || fail "velmora --help"
# The reading as a PDF, with no display either.
$noscreen "$prefix/bin/velmora" --pdf asha.pdf asha.tam || fail "velmora --pdf"
pdftotext asha.pdf - | grep -q 'Krishna Paksha' || fail "the PDF does not show the fortnight"

# The window with a saved reading: it must still be running when it is told to stop.
mkdir -m 700 runtime
status=0
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
    timeout -k 2 5 "$prefix/bin/velmora" asha.tam 2>window.err || status=$?
[ "$status" -eq 124 ] || { cat window.err >&2; fail "the window ended by itself with status $status"; }
ls runtime/velmora-*.lock >/dev/null 2>&1 || fail "the window never took the single-instance lock"
echo "PASS"
