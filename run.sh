#!/usr/bin/env bash
# Installs what is missing, builds Tavlor and opens the editor on the bundled demo game.
# Without a display it runs the editor under Xvfb, saves a screenshot and exits.
# BUILD_DIR=<folder> builds into another folder than the default preset's build/.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
if [ -n "${BUILD_DIR:-}" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD_DIR"
  PROGRAM_DIR="$(cd "$BUILD_DIR" && pwd)/bin"
else
  cmake --preset default
  cmake --build --preset default
  PROGRAM_DIR="$PWD/build/bin"
fi

# The demo game generator writes the demo folder and a Set.ini pointing into it.
if [ ! -f "$PROGRAM_DIR/Set.ini" ]; then
  echo "Note: $PROGRAM_DIR/Set.ini is missing; the editor will report it and start empty."
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$PROGRAM_DIR/tavlor"
fi

SCREENSHOT="$PWD/tavlor-screenshot.png"
echo "No display found: running the editor under Xvfb (1920x1080) and saving a screenshot to $SCREENSHOT."
xvfb-run -a -s "-screen 0 1920x1080x24" "$PROGRAM_DIR/tavlor" --screenshot "$SCREENSHOT"
echo "Screenshot written to $SCREENSHOT"
