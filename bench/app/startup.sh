#!/usr/bin/env bash
# Start to the first painted main window, beside a bare SDL program that
# creates and presents one window at the same place, alternately in the
# same run on a private virtual X server. Each start is in a fresh folder
# (the program's first run); the figure is the median of N starts of each.
#
# usage: bench/app/startup.sh --build BUILD [--runs N]
set -euo pipefail

build=""
runs=15
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: startup.sh --build BUILD [--runs N]" >&2; exit 2 ;;
    esac
done
[[ -n "$build" ]] || { echo "usage: startup.sh --build BUILD [--runs N]" >&2; exit 2; }
build=$(cd "$build" && pwd)

if [[ -z "${BRIO_BENCH_INSIDE_X:-}" ]]; then
    BRIO_BENCH_INSIDE_X=1 exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x800x24" bash "$0" --build "$build" --runs "$runs"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/brio-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT
# A point inside both windows: the middle of the main window.
x=$((97 + 429)) y=$((99 + 297))

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

program=() bare=()
for run in $(seq "$runs"); do
    folder="$work/run$run"
    mkdir -p "$folder"
    cp "$build/brio" "$folder/brio"
    cp -r "$build/plug-in" "$folder/plug-in"
    program+=("$(cd "$folder" && SDL_AUDIODRIVER=dummy "$build/app_start_probe" $x $y -- ./brio)")
    bare+=("$(SDL_AUDIODRIVER=dummy "$build/app_start_probe" $x $y -- "$build/bare_sdl_window")")
done
program_ms=$(printf '%s\n' "${program[@]}" | median)
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
echo "start to first painted window, median of $runs: program ${program_ms} ms, bare SDL window ${bare_ms} ms," \
     "ratio $(awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }') (limit 2.00)"
echo "program: ${program[*]}"
echo "bare:    ${bare[*]}"
