#!/bin/sh
# Rebuilds the data generators and regenerates everything in data/. The output depends only
# on the sources: running this twice gives identical files.
#   tools/generate-data.sh [build directory]   (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" --target make_materials make_climate make_cases

"$build/tools/make_materials" "$root/data"
"$build/tools/make_climate" "$root/data"
"$build/tools/make_cases" "$root/data"
echo "data regenerated in $root/data"
