#!/bin/sh
# check-package.sh BUILD VERSION: builds the Debian package, unpacks it and starts the unpacked
# program, then has lintian judge it (warnings are listed, errors fail). Runs only when
# TINTWELL_PACKAGE_TESTS=1 asks; skipped (77) otherwise.
set -eu
[ "${TINTWELL_PACKAGE_TESTS:-}" = 1 ] || exit 77
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; exit 1; }
deb=$(ls "$out"/tintwell_"$version"_*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends
# dpkg-shlibdeps found the libraries the program links.
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb -x "$deb" "$out/root"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$out/root/usr/bin/tintwell" --version)" = "tintwell $version" ]
for file in usr/share/applications/tintwell.desktop "usr/share/tintwell/Tintwell Help.html" \
            usr/share/icons/hicolor/scalable/apps/tintwell.svg usr/share/man/man1/tintwell.1.gz \
            usr/share/doc/tintwell/copyright; do
  [ -s "$out/root/$file" ] || { echo "missing from the package: $file" >&2; exit 1; }
done
lintian --fail-on error --info "$deb"
