#!/usr/bin/env bash
# Builds the Debian package from a build directory, checks its control data, unpacks it into a
# scratch root and uses what it installed; then checks that cmake --install lays out the same.
#   package_test.sh SOURCE BUILD CMAKE CPACK GUI(0|1) PROGRAM...
set -euo pipefail

source_dir=$1 build=$2 cmake=$3 cpack=$4 gui=$5
shift 5
programs=("$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs a command quietly; its output is shown only when it fails.
quietly() {
    "$@" >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; fail "$*"; }
}

expect_line() {  # file, extended regular expression
    grep -Eq "$2" "$1" || { cat "$1" >&2; fail "no line /$2/ in $1"; }
}

# The first 24 bytes of a PNG hold its signature and, big-endian, its width and height.
expect_png() {  # file, side in pixels
    local header
    header=$(od -An -tx1 -N24 "$1" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$1 is not a PNG"
    [ $((16#${header:32:8})) -eq "$2" ] && [ $((16#${header:40:8})) -eq "$2" ] ||
        fail "$1 is not $2x$2"
}

expect_layout() {  # prefix
    local prefix=$1
    for program in "${programs[@]}"; do
        [ -x "$prefix/bin/$program" ] || fail "$prefix/bin/$program missing"
    done
    local installed
    installed=$(ls "$prefix/bin" | sort | tr '\n' ' ')
    [ "$installed" = "$(printf '%s\n' "${programs[@]}" | sort | tr '\n' ' ')" ] ||
        fail "programs in $prefix/bin: $installed"
    diff -r "$source_dir/data" "$prefix/share/porvap/data" || fail "bundled data differs"
    ls "$prefix"/share/porvap/data/cases/*.sim >/dev/null || fail "no cases"
    # Where the help viewer looks, relative to the executable.
    cmp "$source_dir/docs/manual.html" "$prefix/bin/../share/porvap/manual.html" ||
        fail "manual missing"
    local stray
    stray=$(cd "$prefix" && find . -type f |
        grep -Ev '^\./(bin|share/porvap|share/applications|share/icons/hicolor)/' || true)
    [ -z "$stray" ] || fail "unexpected files: $stray"
    [ "$gui" = 1 ] || return 0
    local entry="$prefix/share/applications/porvap.desktop"
    for line in '^Name=Porvap 2\.0$' '^Comment=.+' '^Exec=porvap$' '^Icon=porvap$' \
        '^Categories=Science;Engineering;$' '^Terminal=false$'; do
        expect_line "$entry" "$line"
    done
    if command -v desktop-file-validate >/dev/null; then
        quietly desktop-file-validate "$entry"
    fi
    expect_png "$prefix/share/icons/hicolor/256x256/apps/porvap.png" 256
    expect_png "$prefix/share/icons/hicolor/16x16/apps/porvap.png" 16
}

expect_stripped() {  # prefix
    for program in "${programs[@]}"; do
        readelf -S "$1/bin/$program" >"$scratch/sections"
        ! grep -q '\.symtab' "$scratch/sections" || fail "$program is not stripped"
    done
}

# One week of a bundled case, in a copy of the installed data.
run_bundled_case() {  # prefix
    local work="$scratch/work"
    mkdir "$work"
    cp -r "$1/share/porvap/data/." "$work"
    sed -i 's/^30 11 23$/6 0 23/' "$work/cases/wall-level5.sim"
    (cd "$work" && quietly "$1/bin/porvap-run" cases/wall-level5.sim)
    [ -s "$work/flux.txt" ] || fail "the case wrote no flows"
}

# Every installed data file has its copy in the directory.
holds_bundled_data() {  # prefix, directory
    (cd "$1/share/porvap/data" && find . -type f) | while read -r file; do
        cmp -s "$1/share/porvap/data/$file" "$2/$file" || return 1
    done
}

# Started away from any data, the window program prepares the user's workspace and works there.
first_start() {  # prefix
    local workspace="$scratch/workspace" away="$scratch/away"
    mkdir "$away"
    (cd "$away" && HOME="$scratch" PORVAP_WORKSPACE="$workspace" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 exec "$1/bin/porvap") >"$scratch/gui.log" 2>&1 &
    local pid=$! tries=0
    until holds_bundled_data "$1" "$workspace" || [ $tries -ge 150 ]; do
        sleep 0.2
        tries=$((tries + 1))
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    holds_bundled_data "$1" "$workspace" || {
        cat "$scratch/gui.log" >&2
        fail "the first start did not prepare $workspace"
    }
}

deb_dir="$scratch/deb"
quietly "$cpack" -G DEB -B "$deb_dir" --config "$build/CPackConfig.cmake"
debs=("$deb_dir"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, got: ${debs[*]}"
deb=${debs[0]}

dpkg-deb --info "$deb" >"$scratch/info"
expect_line "$scratch/info" '^ Package: porvap$'
expect_line "$scratch/info" '^ Version: 2\.0$'
expect_line "$scratch/info" "^ Architecture: $(dpkg --print-architecture)$"
expect_line "$scratch/info" '^ Maintainer: Porvap developers$'
expect_line "$scratch/info" '^ Section: science$'
expect_line "$scratch/info" '^ Depends: .*libc6.*libstdc\+\+6'
if [ "$gui" = 1 ]; then
    for library in libqt6widgets6 libqt6charts6 libqt6svg6 libqt6gui6 libqt6core6; do
        expect_line "$scratch/info" "^ Depends: .*$library"
    done
fi
dpkg-deb --contents "$deb" >"$scratch/contents"
expect_line "$scratch/contents" ' \./usr/bin/porvap-run$'
! grep -v ' root/root ' "$scratch/contents" || fail "files not owned by root"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
expect_layout "$root/usr"
expect_stripped "$root/usr"
quietly "$root/usr/bin/porvap-run" --help
run_bundled_case "$root/usr"
[ "$gui" = 0 ] || first_start "$root/usr"

prefix="$scratch/prefix"
quietly "$cmake" --install "$build" --prefix "$prefix"
expect_layout "$prefix"
quietly "$prefix/bin/porvap-run" --help
