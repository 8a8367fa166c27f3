#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a desktop needs:
# the file list, and the desktop entry, metainfo and MIME file validators.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
id=net.zorvek.NumberPuzzles
expected=(
  bin/ZorvekNumberPuzzles bin/zorvek
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/mime/packages/zorvek-puzzle.xml share/man/man6/zorvek.6
  share/icons/hicolor/scalable/apps/$id.svg
)
for s in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${s}x${s}/apps/$id.png"); done
failed=0
for f in "${expected[@]}"; do
  if [ ! -s "$root/$f" ]; then echo "missing: $f"; failed=1; fi
done
desktop-file-validate "$root/share/applications/$id.desktop" || failed=1
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"; failed=1; }
xmllint --noout "$root/share/mime/packages/zorvek-puzzle.xml" || failed=1
grep -q '^Exec=ZorvekNumberPuzzles %f$' "$root/share/applications/$id.desktop" || { echo "Exec line"; failed=1; }
# The manual page renders without warnings.
if command -v groff >/dev/null; then
  out=$(groff -man -Tutf8 -ww "$root/share/man/man6/zorvek.6" 2>&1 >/dev/null)
  [ -z "$out" ] || { echo "$out"; failed=1; }
fi
# Both programs answer --version and --help, the game without a display.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
"${headless[@]}" "$root/bin/ZorvekNumberPuzzles" --version | grep -qx 'ZorvekNumberPuzzles [0-9.]*' || { echo "game --version"; failed=1; }
"${headless[@]}" "$root/bin/ZorvekNumberPuzzles" --help | grep -q 'PUZZLE.puz' || { echo "game --help"; failed=1; }
"$root/bin/zorvek" --version | grep -qx 'zorvek [0-9.]*' || { echo "zorvek --version"; failed=1; }
if [ $failed -eq 0 ]; then echo "install: ${#expected[@]} files in place, validators pass"; fi
exit $failed
