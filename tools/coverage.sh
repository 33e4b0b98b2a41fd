#!/usr/bin/env bash
# Line and branch coverage of the product code (core/, cli/, gui/) over the whole suite.
#   tools/coverage.sh [BUILD_DIR]   (default: build-cov)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-cov}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
      -DPORVAP_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build"
find "$build" -name '*.gcda' -delete
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure >/dev/null)
gcovr --root "$root" --object-directory "$build" --filter "$root/(core|cli|gui)/" \
      --print-summary --txt "$build/coverage.txt" | tail -3
