#!/usr/bin/env bash
# Set-up, build, run and test in one place.
#   tools/dev.sh run    install what is missing, build the program, start it on the bundled data
#   tools/dev.sh test   install what is missing, build, run the whole suite (plain and sanitized),
#                       then fuzz each file reader for 30 s (tools/fuzz.sh)
#   tools/dev.sh quick  build and run the suite once, without sanitizers or fuzzing
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

configure() {  # build-dir, extra cmake arguments...
    local dir=$1; shift
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$root/$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
}

build() {  # build-dir, extra cmake arguments...
    configure "$@"
    cmake --build "$root/$1"
}

# The program writes its result files into the working directory; keep them out of the
# source tree by working in a copy of the bundled data (files already there are kept).
prepare_workdir() {
    local work="$root/build/workdir"
    mkdir -p "$work"
    cp -rn "$root/data/." "$work/"
    echo "$work"
}

run_tests() {  # build-dir
    (cd "$root/$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
}

case "${1:-}" in
    run)
        install_missing
        configure build -DCMAKE_BUILD_TYPE=Release -DPORVAP_BUILD_TESTS=OFF -DPORVAP_BUILD_BENCH=OFF
        cmake --build "$root/build" --target porvap
        work=$(prepare_workdir)
        cd "$work" && exec "$root/build/bin/porvap"
        ;;
    quick)
        install_missing
        build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPORVAP_WERROR=ON
        run_tests build-test
        ;;
    test)
        install_missing
        build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPORVAP_WERROR=ON
        run_tests build-test
        build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPORVAP_WERROR=ON -DPORVAP_SANITIZE=ON
        run_tests build-sanitize
        "$root/tools/fuzz.sh" 30
        ;;
    *)
        echo "usage: $0 run|test|quick" >&2
        exit 2
        ;;
esac
