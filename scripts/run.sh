#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -x build/app/TolvaGame ]; then
  exec build/app/TolvaGame "$@"
fi
# Until the window exists the headless simulator shows the game playing itself.
exec build/tools/simulator/tolva-sim --games 10 "$@"
