#!/usr/bin/env bash
# Makes the Windows release from a cross build: dist/Tavlor-<version>-windows-x64.zip (unzip and
# run) and dist/Tavlor-<version>-setup.exe (NSIS, per-user).
# Usage: package.sh WINDOWS_BUILD HOST_BUILD QT_PREFIX
# The guide's pictures come from the host build (they are drawn by a host tool at build time).
set -euo pipefail
windows_build=$(realpath "$1") host_build=$(realpath "$2") qt_prefix=$(realpath "$3")
repo=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Tavlor VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
qt_debian_version=$(sed -n 's/^QT_DEBIAN_VERSION=//p' "$repo/scripts/windows/build-qt.sh")
name=Tavlor-$version-windows-x64
dist=$repo/dist
stage=$dist/$name
rm -rf "$stage"
mkdir -p "$stage"/{platforms,styles,imageformats}

bin=$windows_build/bin
cp "$bin/tavlor.exe" "$bin/tavlor-cli.exe" "$stage/"
cp "$repo"/assets/{BIG5.DAT,GB.DAT,GBKN.dat,JISN.dat,Bk.N13,BuiltinGenerals.tsv,help.ini} "$stage/"
mkdir -p "$stage/help"
cp "$host_build"/bin/help/*.png "$stage/help/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt_prefix"/plugins/imageformats/{qjpeg,qgif}.dll "$stage/imageformats/"
"$repo/scripts/windows/collect-dlls.sh" "$qt_prefix" "$stage" "$stage"/*.exe "$stage"/*/*.dll
find "$stage" -iname '*.exe' -o -iname '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

cp "$repo/packaging/windows/Set.ini" "$repo/packaging/windows/说明.txt" "$stage/"
sed 's/$/\r/' "$repo/LICENSE" >"$stage/LICENSE.txt"
sed "s/@QT_VERSION@/${qt_debian_version%%+*}/; s/@QT_DEBIAN_VERSION@/$qt_debian_version/g" \
  "$repo/packaging/windows/NOTICES.txt" >"$stage/NOTICES.txt"

rm -f "$dist/$name.zip"
(cd "$dist" && zip -qr -9 "$name.zip" "$name")

# The uninstaller removes exactly the files the release holds (never the player's Set.ini).
uninstall_list=$dist/$name-uninstall.nsh
(cd "$stage" && find . -type f ! -name Set.ini | sed 's|^\./||; s|/|\\|g' |
  awk '{print "  Delete \"$INSTDIR\\" $0 "\""}'
 cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g' |
  awk '{print "  RMDir \"$INSTDIR\\" $0 "\""}') >"$uninstall_list"
makensis -V2 -DSTAGE="$stage" -DOUTFILE="$dist/Tavlor-$version-setup.exe" -DVERSION="$version" \
  -DUNINSTALL_LIST="$uninstall_list" "$repo/packaging/windows/tavlor.nsi"
rm -f "$uninstall_list"
ls -l "$dist/$name.zip" "$dist/Tavlor-$version-setup.exe"
