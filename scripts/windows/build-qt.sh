#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (Core, Gui, Widgets, the qwindows platform plugin) from Debian's own
# qt6-base source with Debian's MinGW-w64, using the host's Qt tools, into a cache folder outside the
# checkout. A folder already built under the same key is reused: the key names the Qt version, the
# compiler's version and a digest of the configure options and the patches.
# Prints the prefix of the built Qt on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"

QT_DEBIAN_VERSION=6.4.2+dfsg-10
QT_VERSION=${QT_DEBIAN_VERSION%%+*}
QT_ORIG_TARBALL=qt6-base_${QT_VERSION}+dfsg.orig.tar.xz
QT_ORIG_SHA256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
cache_root=${TAVLOR_CACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/var/cache}/.cache}/tavlor}

# Only what the editor uses. Debian's source lacks src/3rdparty/wintab, hence no tablet events;
# Direct2D stays on because the 6.4 qwindows plugin does not link without it. No ICU: the program
# decodes GBK and Big5 through its own tables.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF
  -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=ON
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
  -DFEATURE_qmake=OFF
)

"$here/install-packages.sh"

compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
digest=$( { printf '%s\n' "${QT_OPTIONS[@]}"; cat "$here"/patches/qtbase-*.diff "$repo/cmake/mingw-w64-x86_64.cmake"; } |
  sha256sum | cut -c1-12)
prefix="$cache_root/qt-$QT_VERSION-mingw-gcc$compiler_version-$digest"
if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows: reusing $prefix" >&2
  echo "$prefix"
  exit 0
fi

work="$cache_root/qt-source"
mkdir -p "$work"
cd "$work"
if [ ! -f "$QT_ORIG_TARBALL" ]; then
  # Debian's source packages come from the machine's own mirror once a deb-src line is there.
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    sudo_if_needed() { if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi; }
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      sudo_if_needed tee /etc/apt/sources.list.d/tavlor-sources.sources >/dev/null
    sudo_if_needed apt-get update
  fi
  apt-get source --download-only "qt6-base=$QT_DEBIAN_VERSION"
fi
echo "$QT_ORIG_SHA256  $QT_ORIG_TARBALL" | sha256sum -c --quiet

source_dir="$work/qtbase-everywhere-src-$QT_VERSION"
rm -rf "$source_dir" "$work/build"
tar xf "$QT_ORIG_TARBALL"
for patch in "$here"/patches/qtbase-*.diff; do
  patch -d "$source_dir" -p1 --quiet <"$patch"
done

started=$SECONDS
cmake -G Ninja -S "$source_dir" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_OPTIONS[@]}" >"$work/configure.log"
nice -n 10 ninja -C "$work/build" -j"$(nproc)" >"$work/build.log" || { tail -40 "$work/build.log" >&2; exit 1; }
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
rm -rf "$source_dir" "$work/build"
echo "Qt for Windows built in $((SECONDS - started)) s: $prefix" >&2
echo "$prefix"
