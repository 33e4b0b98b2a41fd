#!/usr/bin/env bash
# Times a year of data/cases/wall-level0.sim run by porvap-run and run in a case window with
# its charts (offscreen, through porvap-screenshots --time), and checks the window against
# its budget: at most twice the command-line time, or that time plus one second.
#   tools/measure-window-run.sh [BUILD_DIR] [REPEATS]   (defaults: build, 3)
# Both programs come from BUILD_DIR and run in the same scratch copy of data/; the best of
# REPEATS runs of each is kept. The window time runs from pressing Run until the button
# reads "Run" again; the whole window process (start-up, catalog, opening) is shown too.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
repeats=${2:-3}
runner="$build/bin/porvap-run"
window="$build/tools/porvap-screenshots"
case_file=cases/wall-level0.sim
for program in "$runner" "$window"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data/." "$work/"
cd "$work"

TIMEFORMAT=%R
minimum() { printf '%s\n' "$@" | sort -g | head -n 1; }

runner_times=()
window_times=()
process_times=()
for _ in $(seq "$repeats"); do
    runner_times+=("$({ time "$runner" "$case_file" >/dev/null 2>&1; } 2>&1)")
    output=$(mktemp)
    process_times+=("$({ time QT_QPA_PLATFORM=offscreen "$window" --time "$case_file" \
        >"$output" 2>/dev/null || true; } 2>&1 | tail -n 1)")
    seconds=$(awk '/^window run:/ { print $3 }' "$output")
    rm -f "$output"
    [ -n "$seconds" ] || { echo "the window run did not finish" >&2; exit 1; }
    window_times+=("$seconds")
done

runner_best=$(minimum "${runner_times[@]}")
window_best=$(minimum "${window_times[@]}")
process_best=$(minimum "${process_times[@]}")
awk -v r="$runner_best" -v w="$window_best" -v p="$process_best" 'BEGIN {
    budget = (2 * r > r + 1) ? 2 * r : r + 1
    printf "porvap-run (whole process):      %.3f s\n", r
    printf "window run (Run pressed to Run): %.3f s\n", w
    printf "window program (whole process):  %.3f s\n", p
    printf "ratio window / porvap-run:       %.2f\n", w / r
    printf "budget max(2 x r, r + 1 s):      %.3f s -> %s\n", budget, (w <= budget) ? "met" : "NOT met"
    exit (w <= budget) ? 0 : 1
}'
