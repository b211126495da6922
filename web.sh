#!/usr/bin/env bash
# Builds the game for the browser into build-web/ (installing what is missing)
# and serves it on 127.0.0.1:8000 until stopped with Ctrl-C.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build-web.sh

port=8000
echo "Thornwald is served at http://127.0.0.1:$port/ (Ctrl-C stops it)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/page
