#!/usr/bin/env bash
# Builds the game for the browser into build-web/ (installing what is missing)
# and serves it on 127.0.0.1:8000 until stopped with Ctrl-C.
set -euo pipefail
cd "$(dirname "$0")"

packages=(emscripten chromium)
scripts/install-missing.sh "${packages[@]}"

# The page packs the pictures and sounds the native generator paints (and its
# browser's own title and instructions): build the native tree first when they are missing.
if [[ ! -f build/assets.stamp || ! -f build/game/BoldFaceLie.TTF || ! -f build/game/pics-web/title.png ]]; then
  scripts/setup.sh
fi

# Emscripten's tools are run by node, which finds Debian's node modules here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DTHORNWALD_GAME_DIR="$PWD/build/game" >/dev/null
cmake --build build-web -j"$(nproc)"

port=8000
echo "Thornwald is served at http://127.0.0.1:$port/ (Ctrl-C stops it)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/page
