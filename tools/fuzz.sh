#!/usr/bin/env bash
# Fuzzes the readers of the program's data files.
#   tools/fuzz.sh [SECONDS]   build the libFuzzer targets in build-fuzz (clang), run each for
#                             SECONDS (default 30); exits non-zero on any finding
# Each target starts from fuzz/corpus/<name>/ and fuzz/regressions/<name>/, copied to a scratch
# directory so a run never changes them. Inputs that crash, hang (5 s), leak or need more than
# 1 GB are kept in build-fuzz/findings/<name>/; once fixed, move them to fuzz/regressions/<name>/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"

# target and the longest input worth trying: a material file is 13 kB, the others far less
targets=(
    "material_file 20000"
    "catalog 4096"
    "directory_config 1024"
    "climate_file 8192"
    "case_file 8192"
)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPORVAP_BUILD_GUI=OFF -DPORVAP_BUILD_TESTS=OFF -DPORVAP_BUILD_BENCH=OFF -DPORVAP_FUZZ=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build" --target fuzzers

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
for entry in "${targets[@]}"; do
    read -r name max_len <<<"$entry"
    corpus="$scratch/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    cp "$root/fuzz/corpus/$name/." "$corpus/" -r
    cp "$root/fuzz/regressions/$name/." "$corpus/" -r 2>/dev/null || true
    log="$build/findings/$name.log"
    echo "== fuzz_$name for ${seconds}s"
    if "$build/fuzz/fuzz_$name" "$corpus" -max_total_time="$seconds" -rss_limit_mb=1024 \
        -timeout=5 -max_len="$max_len" -artifact_prefix="$findings/" -print_final_stats=1 \
        >"$log" 2>&1; then
        grep -E "^stat::number_of_executed_units|DONE" "$log" | tail -n 2
    else
        failed=1
        tail -n 40 "$log"
        echo "fuzz_$name: FINDING (log $log)"
        for input in "$findings"/*; do
            [ -e "$input" ] && echo "  reproducer: $input  (run: $build/fuzz/fuzz_$name $input)"
        done
    fi
done
exit $failed
