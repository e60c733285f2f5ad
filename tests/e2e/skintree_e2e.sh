#!/usr/bin/env bash
# Runs the skinned tree demo on a virtual X server and scrolls its 200 rows
# as a person would: drags the overlay's thumb down to the end of the track
# and back up part of the way, then scrolls with the wheel. Checks after
# each step that the tree moved and that the overlay's position is the
# tree's, and takes pictures of the screen at the top and after the drag.
#
# usage: skintree_e2e.sh <skin_tree_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: skintree_e2e.sh <skin_tree_demo> <output folder>}
output=${2:?usage: skintree_e2e.sh <skin_tree_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/skintree_e2e.log"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

await_line '^ready ' || fail "the demo did not show its tree"
read -r _ grip_x grip_y track_end < <(grep '^ready ' "$log")
window=$(await_window '^Skinned tree$') || fail "no native window titled 'Skinned tree'"
for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null && break
    sleep 0.2
done
grep -q '^warning' "$log" && fail "$(grep '^warning' "$log" | head -n 1)"

# latest: the demo's last "state top position visible" line, without "state".
latest() { grep '^state ' "$log" | tail -n 1 | cut -d' ' -f2-; }

# expect_state TEST WHAT: waits until the latest state satisfies TEST, a
# bash condition on $top, $pos and $shown.
expect_state() {
    local line top pos shown
    for _ in $(seq 50); do
        line=$(latest)
        read -r top pos shown <<<"$line"
        if [[ -n "$line" ]] && eval "$1"; then
            echo "$2: top $top, bar $pos"
            return 0
        fi
        sleep 0.1
    done
    fail "$2: expected $1, the demo's latest state is '$line'"
}

expect_state '(( top == 0 && pos == 0 && shown == 1 ))' "shown at the top"
sleep 0.3
import -window root "$output/skintree_e2e_top.png" || fail "could not take the first picture"

# Drag the thumb well past the end of the track, in steps.
xdotool mousemove "$grip_x" "$grip_y" sleep 0.2 mousedown 1 sleep 0.1
y=$grip_y
while (( y < track_end + 40 )); do
    y=$((y + 12))
    xdotool mousemove "$grip_x" "$y" sleep 0.03
done
sleep 0.2
expect_state '(( top > 150 && pos == top ))' "dragged to the end"
xdotool mouseup 1
expect_state '(( top > 150 && pos == top ))' "released at the end"
bottom=$(latest | cut -d' ' -f1)
sleep 0.3
import -window root "$output/skintree_e2e_dragged.png" || fail "could not take the second picture"

# Part of the way back up: the tree follows the thumb.
xdotool mousemove "$grip_x" "$((track_end - 10))" sleep 0.2 mousedown 1 sleep 0.1
xdotool mousemove "$grip_x" "$((track_end - 80))" sleep 0.2 mouseup 1
expect_state "(( top < $bottom && top > 0 && pos == top ))" "dragged part of the way up"
middle=$(latest | cut -d' ' -f1)

# The wheel over the tree moves the overlay's thumb with it.
xdotool mousemove "$((grip_x - 100))" "$((grip_y + 20))" sleep 0.2 click 4 sleep 0.2
expect_state "(( top < $middle && pos == top ))" "wheel up"

xdotool key Escape
await_line '^done$' || fail "Escape did not end the demo"
await_clean_exit 5 "Escape"
echo "PASSED: a long skinned tree scrolled by dragging the overlay's thumb down and up, and by the wheel"
