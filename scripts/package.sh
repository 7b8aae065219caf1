#!/usr/bin/env bash
# Makes the Debian packages from a Release build (installing what is missing):
#   scripts/package.sh [BUILD_DIR]     BUILD_DIR is build-release/ unless named
# leaves BUILD_DIR/trevinor_<version>_<arch>.deb, the game, and
# BUILD_DIR/libvuzedovi-dev_<version>_<arch>.deb, the control library for developers.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
./scripts/deps.sh package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTREVINOR_TESTS=OFF >/dev/null
# Only what the packages hold: the two programs, the library and its Designer plugin.
cmake --build "$build" --target trevinor trevinor-sav vuzedovi_designer
cd "$build"
cpack -G DEB
