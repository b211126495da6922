#!/usr/bin/env bash
# Installs the Debian packages the game, its generator and its tests need,
# then configures and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libcairo2-dev libpng-dev fonts-dejavu-core fonts-dejavu-extra googletest libgtest-dev
  xvfb xdotool x11-utils x11-apps imagemagick strace clang libclang-rt-dev)

scripts/install-missing.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
