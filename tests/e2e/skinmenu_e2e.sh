#!/usr/bin/env bash
# Runs the skinned menu demo on a virtual X server and works the menu as a
# person would:
#   1. a click on the button opens the menu; Down, Right open the submenu,
#      Down, Enter choose "Voices" in it;
#   2. the menu opened again with the mouse, the pointer over "Move to"
#      opens its submenu, a click on "Play" chooses it;
#   3. with no window of the demo shown or active, the menu pops up by
#      itself (as from the notification area) and the keys still reach
#      it: Down twice (over the separator), Enter choose "Exit".
# Each choice must run after every popup window is gone. A picture of the
# screen is taken while the submenu shows.
#
# usage: skinmenu_e2e.sh <skin_menu_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: skinmenu_e2e.sh <skin_menu_demo> <output folder>}
output=${2:?usage: skinmenu_e2e.sh <skin_menu_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/skinmenu_e2e.log"
screenshot="$output/skinmenu_e2e.png"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" 2 >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

await_line "^targets button " || fail "the demo did not show its form"
read -r _ _ button_x button_y < <(grep "^targets button " "$log")
window=$(await_window '^Skinned menu$') || fail "no native window titled 'Skinned menu'"
focus_demo_window "$window" "$button_x" $((button_y + 120))

# The rows of level $1 as printed last: "x y" of row $2.
row_point() {
    grep "^level $1 " "$log" | tail -n 1 | sed -E "s/.* row$2 ([0-9]+) ([0-9]+).*/\1 \2/"
}
levels_printed() {
    grep -c "^level $1 " "$log"
}

# 1. Open with the mouse, walk the submenu with the keys.
xdotool mousemove "$button_x" "$button_y" sleep 0.2 click 1
await_line "^level 1 " || fail "round 1: the menu did not open"
# Keys go to the window under the pointer on a bare X server: keep it on
# the form, away from the menu.
xdotool mousemove $((button_x + 250)) $((button_y + 180)) sleep 0.3
xdotool key --delay 200 Down Right
await_line "^level 2 " || fail "round 1: Right did not open the submenu"
sleep 0.5
import -window root "$screenshot" || fail "could not take the screenshot"
echo "screenshot: $screenshot"
xdotool key --delay 200 Down Return
await_line "^clicked &Voices " || fail "round 1: Enter in the submenu chose nothing"
grep -q "^clicked &Voices popups 0$" "$log" || fail "round 1: the click ran while a popup window existed"
echo "round 1: keys chose Voices after the menu was gone"

# 2. Open with the mouse, hover the submenu row, click a row of the first level.
level1_before=$(levels_printed 1)
level2_before=$(levels_printed 2)
xdotool mousemove "$button_x" "$button_y" sleep 0.2 click 1
for _ in $(seq 50); do
    (($(levels_printed 1) > level1_before)) && break
    sleep 0.1
done
(($(levels_printed 1) > level1_before)) || fail "round 2: the menu did not open again"
read -r move_x move_y < <(row_point 1 1)
xdotool mousemove "$move_x" "$move_y" sleep 0.2 mousemove $((move_x + 1)) "$move_y"
for _ in $(seq 50); do
    (($(levels_printed 2) > level2_before)) && break
    sleep 0.1
done
(($(levels_printed 2) > level2_before)) || fail "round 2: hovering 'Move to' did not open its submenu"
read -r play_x play_y < <(row_point 1 0)
xdotool mousemove "$play_x" "$play_y" sleep 0.3 click 1
await_line "^clicked &Play " || fail "round 2: the click on Play chose nothing"
grep -q "^clicked &Play popups 0$" "$log" || fail "round 2: the click ran while a popup window existed"
echo "round 2: the mouse chose Play after the menu was gone"

await_line '^done$' || fail "the demo did not finish"
await_clean_exit 5 "its last click"

# 3. Nothing of the demo shows or has the focus; the pointer rests on the
#    bare desktop, so only a keyboard grab brings the keys to the menu.
: >"$log"
SDL_VIDEODRIVER=x11 "$demo" 1 hidden >"$log" 2>&1 &
pid=$!
xdotool mousemove 1200 750
await_line "^level 1 " || fail "round 3: the menu did not pop up"
sleep 0.5
xdotool key --delay 200 Down Down Return
await_line "^clicked E&xit " || fail "round 3: the keys did not reach the menu"
grep -q "^clicked E&xit popups 0$" "$log" || fail "round 3: the click ran while a popup window existed"
await_line '^done$' || fail "round 3: the demo did not finish"
await_clean_exit 5 "its click"
echo "round 3: keys reached a menu opened with no window active"
echo "PASSED: opened with the mouse, a submenu walked with the keys, items chosen by keys and by mouse, keys grabbed with no window active"
