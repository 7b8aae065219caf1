#!/usr/bin/env bash
# Builds Trevinor with AddressSanitizer and UndefinedBehaviorSanitizer (installing what is
# missing) and runs the whole test suite headless, the two fuzzers and the checks of the Debian
# packages (made from a Release build in build-release/) included.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh all
export QT_QPA_PLATFORM=offscreen

fuzzer_args=()
if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTREVINOR_FUZZ_ONLY=ON >/dev/null
  cmake --build build-fuzz
  fuzzer_args=(-DTREVINOR_FUZZER="$PWD/build-fuzz/bin/fuzz_savegame"
               -DTREVINOR_PROPERTIES_FUZZER="$PWD/build-fuzz/bin/fuzz_properties")
fi

./scripts/package.sh build-release

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVINOR_SANITIZE=ON "${fuzzer_args[@]}" \
      -DTREVINOR_PACKAGE_DIR="$PWD/build-release"
cmake --build build-tests
cd build-tests
ctest --output-on-failure -j2 "$@"
