#!/usr/bin/env bash
# Installs what is missing, builds Tavlor and opens the editor on the bundled demo game.
# Without a display it runs the editor under Xvfb, saves a screenshot and exits.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

PROGRAM_DIR="$PWD/build/bin"
if [ ! -x "$PROGRAM_DIR/tavlor" ]; then
  echo "The editor is not built yet; listing the demo game's generals instead:"
  exec "$PROGRAM_DIR/tavlor-cli" list "$PROGRAM_DIR/demo/EDATA000.13S"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$PROGRAM_DIR/tavlor"
fi

echo "No display found: running the editor under Xvfb and saving a screenshot."
TAVLOR_SCREENSHOT="$PWD/tavlor-screenshot.png" \
  xvfb-run -a -s "-screen 0 1920x1080x24" "$PROGRAM_DIR/tavlor"
echo "Screenshot written to $PWD/tavlor-screenshot.png"
