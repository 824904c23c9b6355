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

# The captions' typeface (made once per font version and kept in the cache) and its licence,
# taken from the font package's own copyright file.
noto=/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc
noto_version=$(dpkg-query -W -f='${Version}' fonts-noto-cjk)
cache_root=${TAVLOR_CACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/var/cache}/.cache}/tavlor}
caption_font=$cache_root/fonts/TavlorCaptionSerif-Bold-$noto_version-$(sha256sum "$repo/scripts/windows/make-caption-font.py" | cut -c1-12).otf
if [ ! -f "$caption_font" ]; then
  mkdir -p "$(dirname "$caption_font")"
  /usr/bin/python3 "$repo/scripts/windows/make-caption-font.py" "$noto" "$caption_font.part"
  mv "$caption_font.part" "$caption_font"
fi
mkdir -p "$stage/fonts"
cp "$caption_font" "$stage/fonts/TavlorCaptionSerif-Bold.otf"
awk '/^License: SIL-1.1$/ && seen++ {take=1; next} take && /^[^ ]/ {exit}
     take {sub(/^ /, ""); if ($0 == ".") $0 = ""; print $0 "\r"}' \
  /usr/share/doc/fonts-noto-cjk/copyright >"$stage/fonts/OFL.txt"
grep -q "SIL OPEN FONT LICENSE" "$stage/fonts/OFL.txt" || { echo "the font licence was not found" >&2; exit 1; }

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
