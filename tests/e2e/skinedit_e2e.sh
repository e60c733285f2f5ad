#!/usr/bin/env bash
# Runs the skinned edit box demo on a virtual X server and edits as a
# person would: types "hello world", selects "world" with Shift+Left, cuts
# it, pastes it at the start, then undoes the paste and the cut. Checks the
# text and selection the demo prints after each step, and takes pictures
# of the screen with the selection showing and at the end.
#
# usage: skinedit_e2e.sh <skin_edit_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: skinedit_e2e.sh <skin_edit_demo> <output folder>}
output=${2:?usage: skinedit_e2e.sh <skin_edit_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/skinedit_e2e.log"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

await_line '^ready ' || fail "the demo did not show its box"
read -r _ box_x box_y < <(grep '^ready ' "$log")
window=$(await_window '^Skinned edit$') || fail "no native window titled 'Skinned edit'"
for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null && break
    sleep 0.2
done
# Keys go to the window under the pointer on a bare X server; a click on
# the box also puts the caret there.
xdotool mousemove "$box_x" "$box_y" sleep 0.2 click 1 sleep 0.3

# expect STATE WHAT: the demo's latest state line must be "state STATE".
expect() {
    local latest
    for _ in $(seq 50); do
        latest=$(grep '^state ' "$log" | tail -n 1)
        [[ "$latest" == "state $1" ]] && { echo "$2: $1"; return 0; }
        sleep 0.1
    done
    fail "$2: expected 'state $1', the demo's latest line is '$latest'"
}

xdotool type --delay 60 "hello world"
expect "11 0 hello world" "typed"

xdotool key --delay 80 shift+Left shift+Left shift+Left shift+Left shift+Left
expect "6 5 hello world" "selected with Shift+Left"
sleep 0.3
import -window root "$output/skinedit_e2e_selected.png" || fail "could not take the first picture"

xdotool key ctrl+x
expect "6 0 hello " "cut"

xdotool key Home ctrl+v
expect "5 0 worldhello " "pasted at the start"
sleep 0.3
import -window root "$output/skinedit_e2e_pasted.png" || fail "could not take the second picture"

xdotool key ctrl+z
expect "0 0 hello " "paste undone"
xdotool key ctrl+z
expect "11 0 hello world" "cut undone"

xdotool key Escape
await_line '^done$' || fail "Escape did not end the demo"
await_clean_exit 5 "Escape"
echo "PASSED: typed, selected with Shift+arrows, cut, pasted and undone in a skinned edit box"
