#!/usr/bin/env bash
# Builds everything (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd build/game && exec ./thornwald
