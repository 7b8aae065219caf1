#!/usr/bin/env bash
# Builds Trevinor (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVINOR_TESTS=OFF
cmake --build build
exec ./build/bin/trevinor "$@"
