#!/usr/bin/env bash
# Installing puts the program, its desktop entry, its icon at five sizes and
# its AppStream metadata where desktops look for them, and they validate.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }
expected="bin/tolvane
share/applications/tolvane.desktop
share/icons/hicolor/16x16/apps/tolvane.png
share/icons/hicolor/24x24/apps/tolvane.png
share/icons/hicolor/256x256/apps/tolvane.png
share/icons/hicolor/32x32/apps/tolvane.png
share/icons/hicolor/64x64/apps/tolvane.png
share/metainfo/io.github.tolvane.Tolvane.metainfo.xml"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || { printf 'installed:\n%s\n' "$actual"; exit 1; }
[ -x "$prefix/bin/tolvane" ] || { echo "program not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/tolvane.desktop" || exit 1
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.tolvane.Tolvane.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$prefix/share/metainfo/"*.xml; exit 1; }
echo PASS
