#!/usr/bin/env bash
# A staged install holds the program, its desktop entry and its icon, and
# the Debian package builds with its run-time dependencies declared.
#   install.sh BUILD-FOLDER
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
for file in usr/bin/quenvalle usr/share/applications/quenvalle.desktop \
            usr/share/icons/hicolor/128x128/apps/quenvalle.png; do
    [ -f "$work/stage/$file" ] || fail "missing $file"
done
[ -x "$work/stage/usr/bin/quenvalle" ] || fail "the program is not executable"
desktop="$work/stage/usr/share/applications/quenvalle.desktop"
grep -qx 'Name=Quenvalle' "$desktop" || fail "desktop entry name"
grep -qx 'Categories=Utility;' "$desktop" || fail "desktop entry category"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
[ "$(identify -format '%wx%h %[channels]' "$work/stage/usr/share/icons/hicolor/128x128/apps/quenvalle.png")" = "128x128 srgba" ] ||
    fail "the icon is not 128x128 RGBA"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/quenvalle_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libboost-regex fonts-wqy-zenhei qt6-qpa-plugins qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
[[ "$contents" == *' ./usr/bin/quenvalle'* ]] || fail "the package lacks the program"
# Every dependency resolves on this Debian: a simulated install.
simulation=$(apt-get install -s "$deb" 2>&1) || fail "apt-get cannot install the package: $simulation"
[[ "$simulation" == *'Inst quenvalle '* ]] || fail "apt-get would not install the package: $simulation"
echo "1 passed, 0 failed"
