#!/usr/bin/env bash
# Builds the game for the browser into build-web/page (installing what is
# missing): the page packs the pictures and sounds the native build paints, and
# its browser's own title and instructions.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh emscripten chromium
if [[ ! -f build/assets.stamp || ! -f build/game/BoldFaceLie.TTF || ! -f build/game/pics-web/title.png
      || ! -f build/game/pics-web/favicon.png ]]; then
  scripts/setup.sh
fi

# Emscripten's tools are run by node, which finds Debian's node modules here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DTHORNWALD_GAME_DIR="$PWD/build/game" >/dev/null
cmake --build build-web -j"$(nproc)"
