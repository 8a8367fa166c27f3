#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
game=./build/src/app/ZorvekNumberPuzzles
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$game"
fi
echo "No display found: starting the game on a virtual X display (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$game"
