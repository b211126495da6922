#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
cd build && ctest --output-on-failure -j"$(nproc)"
