#!/usr/bin/env bash
# Makes the Linux packages in dist/ from a Release build of its own (build-package/, or $BUILD_DIR):
#   tavlor_<version>_amd64.deb              for Debian 12 and its relatives (apt install ./...)
#   Tavlor-<version>-linux-x86_64.tar.gz    a portable folder carrying its own Qt, for other
#                                           distributions and Steam handhelds
# The portable folder holds the programs with their files beside them (as the build folder does),
# lib/ (found through RUNPATH $ORIGIN/lib), plugins/ and translations/ (found through qt.conf).
# It leaves out what every X11 desktop already has and must match the machine: glibc, libstdc++,
# the X11 core and OpenGL libraries, fontconfig/freetype/harfbuzz, GLib, D-Bus (see SYSTEM_LIBRARIES).
set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$REPO/build-package}
DIST_DIR=${DIST_DIR:-$REPO/dist}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
# What packaging needs beyond building: PNG icons, RUNPATH editing, shlibdeps, the xcb plugin and
# Qt's own Chinese translations to bundle.
PACKAGES=(librsvg2-bin patchelf dpkg-dev file qt6-qpa-plugins qt6-translations-l10n)
"$REPO/scripts/install-deps.sh"
missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The demo game is built only because the guide's pictures are photographed on it.
cmake -S "$REPO" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DTAVLOR_BUILD_BENCH=OFF -DTAVLOR_BUILD_FUZZ=OFF -DTAVLOR_BUILD_DEMO=ON \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$BUILD_DIR" -j"$(nproc)" --target tavlor tavlor-cli tavlor_assets tavlor_guide_pictures tavlor_icons

VERSION=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD_DIR/CPackConfig.cmake")
[ -n "$VERSION" ] || { echo "no version in $BUILD_DIR/CPackConfig.cmake" >&2; exit 1; }
mkdir -p "$DIST_DIR"

# (a) The Debian package.
rm -rf "$BUILD_DIR/cpack"
cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$BUILD_DIR/cpack"
deb=$(ls "$BUILD_DIR"/cpack/tavlor_"$VERSION"_*.deb)
cp "$deb" "$DIST_DIR/"
echo "made $DIST_DIR/$(basename "$deb")"

# (b) The portable tarball.
name=Tavlor-$VERSION-linux-x86_64
stage=$BUILD_DIR/portable
folder=$stage/$name
rm -rf "$stage"
cmake --install "$BUILD_DIR" --prefix "$stage/install" --strip
mkdir -p "$folder/lib" "$folder/plugins" "$folder/translations" "$folder/licenses"
cp "$stage/install/bin/tavlor" "$stage/install/bin/tavlor-cli" "$folder/"
cp -r "$stage/install/share/tavlor/." "$folder/"
cp "$REPO/LICENSE" "$folder/"
cp "$REPO/packaging/linux/tavlor.svg" "$REPO/packaging/linux/io.github.tavlor.Tavlor.desktop" "$folder/"

qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
qt_translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)
mkdir -p "$folder/plugins/platforms" "$folder/plugins/xcbglintegrations"
cp "$qt_plugins/platforms/libqxcb.so" "$folder/plugins/platforms/"
cp "$qt_plugins"/xcbglintegrations/*.so "$folder/plugins/xcbglintegrations/"
cp "$qt_translations"/qtbase_zh_CN.qm "$qt_translations"/qtbase_zh_TW.qm "$folder/translations/"
cat >"$folder/qt.conf" <<'EOF'
[Paths]
Prefix=.
Plugins=plugins
Translations=translations
EOF

# Libraries every desktop that runs X11 programs has, and that must be the machine's own.
SYSTEM_LIBRARIES='^(linux-vdso|ld-linux|libc|libm|libdl|libpthread|librt|libresolv|libutil|libstdc\+\+|libgcc_s|libz|libGL|libEGL|libGLX|libGLdispatch|libOpenGL|libdrm|libgbm|libX11|libX11-xcb|libxcb|libXau|libXdmcp|libXext|libXrender|libfontconfig|libfreetype|libexpat|libharfbuzz|libgraphite2|libbrotli[a-z]*|libbz2|libpng16|libglib-2\.0|libgthread-2\.0|libpcre2-8|libdbus-1|libsystemd|libcap|libgcrypt|libgpg-error|liblzma|liblz4|libzstd|libselinux|libbsd|libmd|libuuid)\.so'
binaries=("$folder/tavlor" "$folder/tavlor-cli" "$folder"/plugins/*/*.so)
ldd "${binaries[@]}" | awk '/=> \//{print $3}' | sort -u | while read -r library; do
  soname=$(basename "$library")
  if [[ $soname =~ $SYSTEM_LIBRARIES ]]; then continue; fi
  cp -L "$library" "$folder/lib/$soname"
  # Each bundled library's licence, as its Debian package states it.
  package=$( (dpkg -S "$(realpath "$library")" || dpkg -S "$library") 2>/dev/null | head -n1 | cut -d: -f1)
  if [ -n "$package" ] && [ -f "/usr/share/doc/$package/copyright" ]; then
    cp "/usr/share/doc/$package/copyright" "$folder/licenses/$package.copyright"
  fi
done
strip --strip-unneeded "$folder"/lib/*.so* "$folder"/plugins/*/*.so
patchelf --set-rpath '$ORIGIN/lib' "$folder/tavlor" "$folder/tavlor-cli"
for library in "$folder"/lib/*.so*; do patchelf --set-rpath '$ORIGIN' "$library"; done
for plugin in "$folder"/plugins/*/*.so; do patchelf --set-rpath '$ORIGIN/../../lib' "$plugin"; done

# Nothing the programs need may still come from outside the folder but the system's own libraries.
unresolved=$(ldd "${binaries[@]}" "$folder"/lib/*.so* | awk '/=> \//{print $3}' | sort -u |
  grep -v "^$folder/" | xargs -r -n1 basename | grep -Ev "$SYSTEM_LIBRARIES" || true)
if [ -n "$unresolved" ]; then
  echo "the portable folder still reaches outside itself for: $unresolved" >&2
  exit 1
fi

tar -C "$stage" -czf "$DIST_DIR/$name.tar.gz" "$name"
echo "made $DIST_DIR/$name.tar.gz ($(du -h "$DIST_DIR/$name.tar.gz" | cut -f1))"
