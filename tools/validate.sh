#!/usr/bin/env bash
# Regenerates docs/validation.md and its pictures in docs/validation/: builds porvap-validate
# (Release) and runs it from the repository root. Exits 1 when a comparison fails.
#   tools/validate.sh [BUILD_DIR]    build directory under the repository root, default "build"
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir="$root/${1:-build}"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target porvap-validate
cd "$root"
exec "$dir/tools/validation/porvap-validate" --data data --docs docs
