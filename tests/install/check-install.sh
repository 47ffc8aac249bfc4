#!/bin/sh
# check-install.sh BUILD VERSION: installs the build into a temporary prefix and checks what a
# desktop finds there. Runs only when TINTWELL_PACKAGE_TESTS=1 asks; skipped (77) otherwise.
set -eu
[ "${TINTWELL_PACKAGE_TESTS:-}" = 1 ] || exit 77
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
# Asked for its version, the installed program needs no display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tintwell" --version)" = "tintwell $version" ]
for file in "share/tintwell/Tintwell Help.html" share/icons/hicolor/scalable/apps/tintwell.svg \
            share/man/man1/tintwell.1.gz share/doc/tintwell/copyright; do
  [ -s "$prefix/$file" ] || { echo "missing: $file" >&2; exit 1; }
done
gzip -dc "$prefix/share/man/man1/tintwell.1.gz" | grep -q -- '-pick'
desktop-file-validate "$prefix/share/applications/tintwell.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
echo "install into $prefix: checked"
