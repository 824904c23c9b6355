#!/usr/bin/env bash
# Builds GoogleTest and GoogleMock for 64-bit Windows from Debian's googletest sources
# (/usr/src/googletest) into the cache, keyed by the package's and the compiler's versions.
# Prints the prefix on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
cache_root=${TAVLOR_CACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/var/cache}/.cache}/tavlor}

"$here/install-packages.sh"
package_version=$(dpkg-query -W -f='${Version}' googletest)
compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
prefix="$cache_root/googletest-${package_version//[^0-9A-Za-z.]/_}-mingw-gcc$compiler_version"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Static libraries: the test programs then need no GoogleTest DLL beside them.
cmake -G Ninja -S /usr/src/googletest -B "$work" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -Dgtest_disable_pthreads=OFF >/dev/null
ninja -C "$work" >/dev/null
rm -rf "$prefix"
cmake --install "$work" >/dev/null
touch "$prefix/.complete"
echo "GoogleTest for Windows built: $prefix" >&2
echo "$prefix"
