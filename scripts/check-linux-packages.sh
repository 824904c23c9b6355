#!/usr/bin/env bash
# Checks the packages scripts/package-linux.sh made in dist/, each in a clean Debian 12 root:
#   the .deb      installed with apt; the editor photographs itself under Xvfb, tavlor-cli --version
#                 and paths run, the desktop entry and the AppStream file validate;
#   the tarball   unpacked where no Qt is installed (only what an X11 desktop has); the same runs.
# The roots are made once with debootstrap (minbase, from this machine's Debian mirror) and kept in
# ${XDG_CACHE_HOME:-$HOME/.cache}/tavlor/debian12 with the downloaded packages; every run works on
# fresh copies of them. Needs root (debootstrap, chroot, mount). Screenshots land in dist/check/.
set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DIST_DIR=${DIST_DIR:-$REPO/dist}
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tavlor/debian12
SHOTS=$DIST_DIR/check
SUITE=bookworm

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=XDG_CACHE_HOME,DIST_DIR "$0" "$@"
fi

step_start=0
step() {
  step_start=$(date +%s.%N)
  echo "== $*"
}
step_done() {
  awk -v start="$step_start" -v end="$(date +%s.%N)" 'BEGIN { printf "   %.1f s\n", end - start }'
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in debootstrap file; do
  command -v "$tool" >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$tool"
done


# The roots in use, so that an interrupted run never leaves /proc or the package cache mounted.
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT INT TERM

enter() {  # enter ROOT: mounts what chroot needs
  local root=$1
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount -t tmpfs tmpfs "$root/dev/shm" 2>/dev/null && mounted+=("$root/dev/shm") || true
  mkdir -p "$CACHE/archives/partial" "$root/var/cache/apt/archives"
  mount --bind "$CACHE/archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
}
leave() {  # leave ROOT
  local root=$1 kept=() path
  for path in "${mounted[@]}"; do
    if [[ $path == "$root"/* ]]; then umount -l "$path"; else kept+=("$path"); fi
  done
  mounted=("${kept[@]}")
}
in_root() {  # in_root ROOT COMMAND...
  local root=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
apt_in_root() {
  in_root "$1" apt-get install -y --no-install-recommends "${@:2}"
}

# A root made once and kept: debootstrap, then the packages given; reused while it is complete.
prepare_root() {  # prepare_root NAME PACKAGES...
  local name=$1 root=$CACHE/$1
  shift
  # The marker names the packages, so a changed list makes the root afresh.
  [ "$(cat "$root/.tavlor-ready" 2>/dev/null)" = "$*" ] && return 0
  if [ ! -f "$CACHE/base/.tavlor-ready" ]; then
    step "making the Debian 12 base root (debootstrap, once)"
    local mirror
    mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    rm -rf "$CACHE/base.tmp"
    debootstrap --variant=minbase "$SUITE" "$CACHE/base.tmp" "${mirror:-http://deb.debian.org/debian}"
    # The machine's own sources (its mirror, updates and security), as the packages were built there.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      rm -f "$CACHE/base.tmp/etc/apt/sources.list"
      cp /etc/apt/sources.list.d/debian.sources "$CACHE/base.tmp/etc/apt/sources.list.d/"
    fi
    touch "$CACHE/base.tmp/.tavlor-ready"
    rm -rf "$CACHE/base"
    mv "$CACHE/base.tmp" "$CACHE/base"
    step_done
  fi
  step "preparing the $name root (once): $*"
  rm -rf "$root.tmp"
  cp -a "$CACHE/base" "$root.tmp"
  rm -f "$root.tmp/.tavlor-ready"
  enter "$root.tmp"
  in_root "$root.tmp" apt-get update
  apt_in_root "$root.tmp" "$@"
  leave "$root.tmp"
  echo "$*" >"$root.tmp/.tavlor-ready"
  rm -rf "$root"
  mv "$root.tmp" "$root"
  step_done
}

fresh_copy() {  # fresh_copy NAME: a working copy of a prepared root, printed
  local work=$CACHE/work-$1
  rm -rf "$work"
  cp -a "$CACHE/$1" "$work"
  echo "$work"
}

# The screenshot must be a real picture of windows: a PNG of the screen's size, and far larger than
# the few kilobytes a single-coloured screen compresses to.
check_screenshot() {  # check_screenshot FILE
  local file=$1 size
  [ -f "$file" ] || fail "no screenshot written"
  file "$file" | grep -q "PNG image data, 1280 x 1024" || fail "$file is not a 1280x1024 PNG: $(file "$file")"
  size=$(stat -c %s "$file")
  ((size > 40000)) || fail "$file is only $size bytes: nothing drawn on the screen"
  echo "   screenshot $file: $size bytes"
}

# Runs the editor under Xvfb inside ROOT, as COMMAND, and keeps its picture as NAME.png.
shoot() {  # shoot ROOT NAME COMMAND
  local root=$1 name=$2 command=$3
  rm -f "$root/tmp/$name.png"
  in_root "$root" timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$command" --screenshot "/tmp/$name.png" || fail "the editor did not start ($command)"
  mkdir -p "$SHOTS"
  cp "$root/tmp/$name.png" "$SHOTS/$name.png" 2>/dev/null || true
  check_screenshot "$SHOTS/$name.png"
}

total_start=$(date +%s)

# Tools the checks use, and an X server; no Qt.
CHECK_TOOLS=(xvfb xauth desktop-file-utils appstream)
# What an X11 desktop has (and the portable folder leaves to it): see scripts/package-linux.sh.
DESKTOP_LIBRARIES=(libgl1 libegl1 libopengl0 libx11-6 libx11-xcb1 libxcb1 libxext6 libxrender1 libfontconfig1
  libfreetype6 libharfbuzz0b libglib2.0-0 libdbus-1-3 libpng16-16 libzstd1 fonts-noto-cjk)
prepare_root deb "${CHECK_TOOLS[@]}"
prepare_root portable xvfb xauth "${DESKTOP_LIBRARIES[@]}"

deb=$(ls "$DIST_DIR"/tavlor_*_amd64.deb 2>/dev/null | tail -n1 || true)
tarball=$(ls "$DIST_DIR"/Tavlor-*-linux-x86_64.tar.gz 2>/dev/null | tail -n1 || true)
[ -n "$deb" ] && [ -n "$tarball" ] || fail "no packages in $DIST_DIR: run scripts/package-linux.sh first"

# --- The Debian package -----------------------------------------------------------------------
step "copying a clean root for the Debian package"
root=$(fresh_copy deb)
enter "$root"
step_done

step "apt install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root "$root" apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")"
step_done

step "tavlor-cli --version and paths (package)"
version=$(in_root "$root" tavlor-cli --version) || fail "tavlor-cli --version failed"
echo "   $version"
in_root "$root" tavlor-cli paths || fail "tavlor-cli paths failed"
step_done

step "the editor under Xvfb (package)"
shoot "$root" deb-editor tavlor
step_done

step "desktop-file-validate and appstreamcli validate"
for desktop in "$root"/usr/share/applications/*.desktop; do
  in_root "$root" desktop-file-validate "${desktop#"$root"}" || fail "desktop-file-validate ${desktop#"$root"}"
done
for metainfo in "$root"/usr/share/metainfo/*.xml; do
  in_root "$root" appstreamcli validate --no-net "${metainfo#"$root"}" || fail "appstreamcli ${metainfo#"$root"}"
done
[ -f "$root/usr/share/doc/tavlor/copyright" ] || fail "no /usr/share/doc/tavlor/copyright"
for size in 16 32 48 128 256 512; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/tavlor.png" ] || fail "no ${size}px icon"
done
step_done
leave "$root"
rm -rf "$root"

# --- The portable tarball ---------------------------------------------------------------------
step "copying a clean root without Qt for the tarball"
root=$(fresh_copy portable)
enter "$root"
if ls "$root"/usr/lib/x86_64-linux-gnu/libQt6* >/dev/null 2>&1; then fail "the portable root has Qt installed"; fi
step_done

step "unpacking $(basename "$tarball")"
mkdir -p "$root/opt"
tar -C "$root/opt" -xzf "$tarball"
folder=$(basename "$tarball" .tar.gz)
missing=$(in_root "$root" sh -c "ldd /opt/$folder/tavlor /opt/$folder/tavlor-cli /opt/$folder/plugins/*/*.so" |
  grep "not found" || true)
[ -z "$missing" ] || fail "libraries the portable folder lacks here: $missing"
step_done

step "tavlor-cli --version and paths (tarball)"
version=$(in_root "$root" "/opt/$folder/tavlor-cli" --version) || fail "tavlor-cli --version failed"
echo "   $version"
in_root "$root" "/opt/$folder/tavlor-cli" paths || fail "tavlor-cli paths failed"
step_done

step "the editor under Xvfb (tarball)"
shoot "$root" portable-editor "/opt/$folder/tavlor"
step_done
leave "$root"
rm -rf "$root"

echo "== all package checks passed in $(($(date +%s) - total_start)) s; screenshots in $SHOTS"
