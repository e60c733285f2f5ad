#!/usr/bin/env bash
# Runs the overlay demo on a virtual X server: the red overlay must show on
# the screen through its elliptic region, be override-redirect, let a click
# through to the window below without taking the activation, and leave the
# screen as it was once hidden.
#
# usage: overlay_e2e.sh <overlay_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: overlay_e2e.sh <overlay_demo> <output folder>}
output=${2:?usage: overlay_e2e.sh <overlay_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import convert -- "$@"

mkdir -p "$output"
log="$output/overlay_e2e.log"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!

# pixel FILE X Y: the colour there as #RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr a-f A-F
}

await_line '^overlay up ' || fail "the overlay did not come up"
grep -q '^override-redirect 1$' "$log" || fail "the overlay's native window is not override-redirect"
grep -q '^active base$' "$log" || fail "showing the overlay took the activation"
read -r _ _ cx cy < <(grep '^overlay up ' "$log")
sleep 0.5

shown="$output/overlay_e2e_shown.png"
import -window root "$shown" || fail "could not take the screenshot"
[[ $(pixel "$shown" "$cx" "$cy") == "#FF0000" ]] || fail "the overlay's centre is $(pixel "$shown" "$cx" "$cy"), not red"
[[ $(pixel "$shown" 203 153) == "#00A000" ]] ||
    fail "outside the ellipse the window below should show, got $(pixel "$shown" 203 153)"

xdotool mousemove "$cx" "$cy" sleep 0.2 click 1
await_line "^base click $cx $cy\$" || fail "the click did not go through the overlay to the window below"
await_line '^overlay hidden$' || fail "the overlay did not hide"
grep -c '^active base$' "$log" | grep -q '^2$' || fail "the click made another window active"
sleep 0.5
hidden="$output/overlay_e2e_hidden.png"
import -window root "$hidden" || fail "could not take the second screenshot"
[[ $(pixel "$hidden" "$cx" "$cy") == "#00A000" ]] || fail "the hidden overlay still shows $(pixel "$hidden" "$cx" "$cy")"

await_line '^done$' || fail "the demo did not end"
await_clean_exit 5 "its window closed"
echo "PASSED: shown through its region, override-redirect, clicked through, hidden"
