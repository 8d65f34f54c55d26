#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch
# folder and checks what a user installs: the program (which starts), the
# desktop entry, the icons, the metainfo and the dependencies.
#   deb_package.sh BUILD-DIRECTORY
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
package=$(ls "$scratch"/out/tintwright_*.deb)
dpkg-deb -x "$package" "$scratch/root"

for file in usr/bin/tintwright usr/share/applications/tintwright.desktop \
    usr/share/metainfo/org.tintwright.Tintwright.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/tintwright.png \
    usr/share/icons/hicolor/256x256/apps/tintwright.png; do
    [ -s "$scratch/root/$file" ] || fail "$file is missing from the package"
done
depends=$(dpkg-deb -f "$package" Depends)
grep -q 'fonts-ipafont-gothic' <<<"$depends" || fail "no font dependency: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "no Qt dependency: $depends"

QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/tintwright" >"$scratch/run.log" 2>&1 &
program=$!
sleep 1
kill -0 "$program" 2>/dev/null || { cat "$scratch/run.log"; fail "the packaged program did not start"; }
kill "$program"
echo "PASS: $(basename "$package") holds the program, desktop entry, icons and metainfo"
