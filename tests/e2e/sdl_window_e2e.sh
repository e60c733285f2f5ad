#!/usr/bin/env bash
# Runs the framed-window demo on a virtual X server and works it with the
# mouse as a person would: drag the caption, drag the bottom-right corner,
# take a picture of the screen, click the close button.
#
# usage: sdl_window_e2e.sh <sdl_window_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: sdl_window_e2e.sh <sdl_window_demo> <output folder>}
output=${2:?usage: sdl_window_e2e.sh <sdl_window_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/sdl_window_e2e.log"
screenshot="$output/sdl_window_e2e.png"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!

# The last window rectangle the demo reported: left top right bottom.
last_rect() {
    grep -E '^(shown|moved|sized) ' "$log" | tail -n 1 | cut -d' ' -f2-
}

await_line '^targets ' || fail "the demo did not start"
read -r _ _ caption_dx caption_dy _ close_dx close_dy _ corner_dx corner_dy _ < <(grep '^targets ' "$log")
((caption_dx >= 0 && close_dx >= 0 && corner_dx >= 0)) || fail "the frame has no caption, close button or sizing corner"

window=$(await_window '^Clatterbox frame test$') || fail "no native window titled 'Clatterbox frame test'"

# Drag the caption by (+120, +90).
read -r left top right bottom < <(last_rect)
x=$((left + caption_dx))
y=$((top + caption_dy))
xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove $((x + 60)) $((y + 45)) sleep 0.2 mousemove $((x + 120)) $((y + 90)) sleep 0.2 mouseup 1
await_line "^moved $((left + 120)) $((top + 90)) $((right + 120)) $((bottom + 90))\$" ||
    fail "the caption drag did not move the window to $((left + 120)),$((top + 90))"
eval "$(xdotool getwindowgeometry --shell "$window")"
((X == left + 120 && Y == top + 90)) || fail "the native window is at $X,$Y, not where the window system put it"

# Drag the bottom-right corner by (+70, +50).
read -r left top right bottom < <(last_rect)
x=$((right - corner_dx))
y=$((bottom - corner_dy))
xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove $((x + 35)) $((y + 25)) sleep 0.2 mousemove $((x + 70)) $((y + 50)) sleep 0.2 mouseup 1
await_line "^sized $left $top $((right + 70)) $((bottom + 50))\$" ||
    fail "the corner drag did not size the window to $((right - left + 70))x$((bottom - top + 50))"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
((WIDTH == right - left + 70 && HEIGHT == bottom - top + 50)) ||
    fail "the native window is ${WIDTH}x${HEIGHT}, not the window system's size"

import -window root "$screenshot" || fail "could not take the screenshot"
echo "screenshot: $screenshot"

# Close it with the close button.
read -r left top right bottom < <(last_rect)
xdotool mousemove $((right - close_dx)) $((top + close_dy)) sleep 0.2 click 1
await_line '^closed$' || fail "the close button did not close the window"
await_clean_exit 5 "its window closed"
echo "PASSED: moved, sized and closed"
