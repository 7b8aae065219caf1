#!/usr/bin/env bash
# Builds the game (installing only what it needs when missing) and starts it. Nothing else is
# built here: the tests, fuzzers and tools build in their own folders (see the README).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh game
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVINOR_TESTS=OFF \
      -DVUZEDOVI_DESIGNER_PLUGIN=OFF
cmake --build build --target trevinor
exec ./build/bin/trevinor "$@"
