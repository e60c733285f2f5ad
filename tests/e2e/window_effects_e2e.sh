#!/usr/bin/env bash
# Runs the window-effects demo on a virtual X server: a skinned dialog with
# a shadow and a show animation over a backdrop of known colours. Checks
# that the animation took about its time in several frames and then went
# away, that the desktop was read from the X screen, and that the shadow
# band on the screen is the shadow over the backdrop, after the show and
# after a move that puts the band where the window was (so the window's own
# pixels did not get into its picture of the desktop).
#
# usage: window_effects_e2e.sh <window_effects_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: window_effects_e2e.sh <window_effects_demo> <output folder>}
output=${2:?usage: window_effects_e2e.sh <window_effects_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run import convert -- "$@"

mkdir -p "$output"
log="$output/window_effects_e2e.log"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

await_line '^animation ' 20 || fail "the dialog did not show"
read -r _ ms _ frames _ < <(grep '^animation ' "$log")
((ms >= 400)) || fail "the animation took $ms ms, less than its 400"
((ms < 5000)) || fail "the animation took $ms ms"
((frames >= 2)) || fail "the animation showed $frames frames"
echo "animation: $ms ms, $frames frames"
grep -q '^desktop picture read$' "$log" || fail "the desktop could not be read from the X screen"
await_line '^last frame ' || fail "no word on the last frame"
grep -q '^last frame gone$' "$log" || fail "the animation's last frame stayed on the screen"

# The shadow at half weight over the backdrop pixel (x & 255, y & 255, 90).
expect_band() {
    local name=$1 x=$2 y=$3 picture=$4
    local pixel
    pixel=$(convert "$picture" -format "%[fx:int(255*p{$x,$y}.r)] %[fx:int(255*p{$x,$y}.g)] %[fx:int(255*p{$x,$y}.b)]" info:) ||
        fail "could not read $picture"
    read -r red green blue <<<"$pixel"
    shade() { echo $((32 + (127 * $1 + 128) / 256)); }
    local want_red want_green want_blue
    want_red=$(shade $((x & 255)))
    want_green=$(shade $((y & 255)))
    want_blue=$(shade 90)
    for pair in "$red:$want_red" "$green:$want_green" "$blue:$want_blue"; do
        local got=${pair%%:*} want=${pair##*:}
        ((got - want <= 1 && want - got <= 1)) ||
            fail "$name: the band at ($x, $y) is ($red, $green, $blue), the shadow over the backdrop is ($want_red, $want_green, $want_blue)"
    done
    echo "$name: the band at ($x, $y) is the shadow over the backdrop"
}

await_line '^shown band ' || fail "the demo did not report its band"
read -r _ _ x y < <(grep '^shown band ' "$log")
sleep 0.5
import -window root "$output/window_effects_e2e_shown.png" || fail "could not take the first picture"
expect_band "shown" "$x" "$y" "$output/window_effects_e2e_shown.png"

await_line '^moved band ' || fail "the demo did not move its window"
read -r _ _ x y < <(grep '^moved band ' "$log")
sleep 0.5
import -window root "$output/window_effects_e2e_moved.png" || fail "could not take the second picture"
expect_band "moved" "$x" "$y" "$output/window_effects_e2e_moved.png"

await_line '^done$' 15 || fail "the demo did not finish"
await_clean_exit 5 "its last move"
echo "PASSED: the animation lasted its time and went away; the shadow showed the backdrop after the show and after a move"
echo "pictures: $output/window_effects_e2e_shown.png $output/window_effects_e2e_moved.png"
