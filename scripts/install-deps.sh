#!/usr/bin/env bash
# Installs the Debian packages Tavlor needs to build, test and run, when any is missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl1-mesa-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth
  clang libclang-rt-14-dev
  libicu-dev libopencc-dev opencc
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
