#!/usr/bin/env bash
# Builds the Debian package from the build tree, has lintian check it (no
# error and no warning), unpacks it into a scratch folder and checks what a
# user installs: the program (which starts), the desktop entry, the icons at
# every size, the metainfo and the dependencies.
#   deb_package.sh BUILD-DIRECTORY
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Built under the umask of a Debian 13 login (0002): the package's folders
# must still be rwxr-xr-x.
(umask 0002 && cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
package=$(ls "$scratch"/out/tintwright_*.deb)
# The file says which Debian release it was built for: this system's.
release=$(. /etc/os-release && echo "$VERSION_ID")
[[ "$(basename "$package")" == tintwright_*~deb${release}_*.deb ]] ||
    fail "$(basename "$package") does not name Debian $release"
lintian --fail-on error,warning --no-cfg "$package" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log"; fail "lintian found errors or warnings"; }
dpkg-deb -x "$package" "$scratch/root"

for file in usr/bin/tintwright usr/share/applications/tintwright.desktop \
    usr/share/metainfo/org.tintwright.Tintwright.metainfo.xml \
    usr/share/doc/tintwright/copyright usr/share/man/man1/tintwright.1.gz; do
    [ -s "$scratch/root/$file" ] || fail "$file is missing from the package"
done
# Every size, crisp: only the picture's six colours, no blend of two.
for size in 16 22 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/tintwright.png
    [ "$(identify -format %wx%h "$scratch/root/$icon" 2>/dev/null)" == "${size}x$size" ] ||
        fail "no ${size} px icon"
    colours=$(identify -format %k "$scratch/root/$icon")
    [ "$colours" -le 6 ] || fail "the ${size} px icon is blurred: $colours colours"
done
depends=$(dpkg-deb -f "$package" Depends)
grep -q 'fonts-ipafont-gothic' <<<"$depends" || fail "no font dependency: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "no Qt dependency: $depends"
grep -q 'qt6-translations-l10n' <<<"$depends" || fail "no dependency on Qt's translations: $depends"

QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/tintwright" >"$scratch/run.log" 2>&1 &
program=$!
sleep 1
kill -0 "$program" 2>/dev/null || { cat "$scratch/run.log"; fail "the packaged program did not start"; }
kill "$program"
echo "PASS: $(basename "$package") is lintian-clean and holds the program, desktop entry, icons, metainfo and documents"
