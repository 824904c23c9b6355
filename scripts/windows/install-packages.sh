#!/usr/bin/env bash
# Installs the Debian packages the Windows release needs (cross compilers, host Qt tools, Wine,
# NSIS, and wine32 for the 32-bit installer), when any is missing.
set -euo pipefail
PACKAGES=(
  cmake ninja-build perl patch dpkg-dev xz-utils zip unzip
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools googletest
  nsis wine wine64 wine32:i386 xvfb xauth xdotool imagemagick fonts-noto-cjk fonttools ccache librsvg2-bin icoutils
)
# wine32 (the i386 architecture) runs the 32-bit NSIS installer in the Wine checks.
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0
echo "Installing missing packages: ${missing[*]}" >&2
$SUDO apt-get update >&2
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >&2
