#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks its control data and
# contents with dpkg-deb, installs it with apt-get, runs both programs from
# the installed paths, checks that the menu entry and the .puz type are
# registered, and removes the package again. Exits 77 with "SKIPPED" where it
# cannot run (not root, no dpkg or apt-get, or the game already installed
# here, which it never touches), so ctest reports it as skipped.
# Usage: package-check.sh [BUILD_DIR]   (default: build)
set -u
build=${1:-build}
package=zorvek-number-puzzles
id=net.zorvek.NumberPuzzles
work=$(mktemp -d)
installed=0
apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"; }
cleanup() {
  if [ "$installed" = 1 ]; then apt remove "$package" >/dev/null 2>&1; fi
  rm -rf "$work"
}
trap cleanup EXIT
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ -f "$build/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $build (configure first)"
[ "$(id -u)" = 0 ] || skip "installing a package needs root"
for tool in cpack dpkg-deb dpkg-shlibdeps apt-get; do
  command -v "$tool" >/dev/null || skip "$tool missing"
done
if dpkg -s "$package" >/dev/null 2>&1; then skip "$package is installed here already"; fi
if [ -e /usr/bin/ZorvekNumberPuzzles ] || [ -e /usr/bin/zorvek ]; then skip "the programs are in /usr/bin already"; fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/${package}_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
field Maintainer | grep -qE '^[^<]+ <[^>@]+@[^>]+>$' || fail "Maintainer: $(field Maintainer)"
# Computed from the binaries, not written by hand.
for dep in libqt6widgets6 libqt6printsupport6 libc6 libstdc++6 fonts-liberation2; do
  field Depends | grep -qw -- "$dep" || fail "Depends lacks $dep: $(field Depends)"
done
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/ZorvekNumberPuzzles /usr/bin/zorvek "/usr/share/applications/$id.desktop" \
         "/usr/share/metainfo/$id.metainfo.xml" /usr/share/mime/packages/zorvek-puzzle.xml \
         /usr/share/man/man6/zorvek.6 "/usr/share/icons/hicolor/48x48/apps/$id.png" \
         "/usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  grep -qx -- "$f" "$work/files" || fail "not in the package: $f"
done

# The dependencies are on this machine already (the build needed them);
# without recommends nothing else is fetched.
installed=1
apt install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
"${headless[@]}" /usr/bin/ZorvekNumberPuzzles --version | grep -qx "ZorvekNumberPuzzles $version" ||
  fail "installed game --version"
/usr/bin/zorvek --version | grep -qx "zorvek $version" || fail "installed zorvek --version"
/usr/bin/zorvek generate futoshiki --difficulty easy --size 5 --seed 1 --out "$work/puz" >/dev/null 2>&1 ||
  fail "installed zorvek generate"
[ -s "$work/puz/FutoshikiEasy5_1.puz" ] || fail "installed zorvek generate wrote no file"
# The menu entry and the file type, registered by the triggers of the
# desktop's own tools where those are installed.
if dpkg -s desktop-file-utils >/dev/null 2>&1; then
  grep -q "application/x-zorvek-puzzle=.*$id.desktop" /usr/share/applications/mimeinfo.cache ||
    fail ".puz files are not offered to the game"
fi
if dpkg -s shared-mime-info >/dev/null 2>&1; then
  grep -q "application/x-zorvek-puzzle" /usr/share/mime/globs2 || fail "the .puz type is not registered"
fi

apt remove "$package" >/dev/null 2>&1 || fail "apt-get remove"
installed=0
[ ! -e /usr/bin/zorvek ] || fail "/usr/bin/zorvek left after removal"
echo "package: $(basename "$deb") builds, installs, runs and removes cleanly"
