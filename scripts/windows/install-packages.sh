#!/usr/bin/env bash
# Installs the Debian packages the Windows release needs (cross compilers, host Qt tools, Wine,
# NSIS), when any is missing.
set -euo pipefail
PACKAGES=(
  cmake ninja-build perl patch dpkg-dev xz-utils zip unzip
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools googletest
  nsis wine wine64 xvfb xauth xdotool imagemagick fonts-noto-cjk fonttools ccache librsvg2-bin icoutils
)
missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0
echo "Installing missing packages: ${missing[*]}" >&2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update >&2
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >&2
