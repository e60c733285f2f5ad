#!/usr/bin/env bash
# Runs the skinned message demo on a virtual X server and works it as a
# person would:
#   1. rests the pointer on the button: its hint shows, the window keeps the
#      focus; a key hides the hint;
#   2. answers a Yes/No box with Escape (No, 7);
#   3. answers the next one with Enter (Yes, 6);
#   4. clicks the notice's OK (1).
# It takes a picture of the screen with the hint and with the first box.
#
# usage: skin_message_e2e.sh <skin_message_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: skin_message_e2e.sh <skin_message_demo> <output folder>}
output=${2:?usage: skin_message_e2e.sh <skin_message_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/skin_message_e2e.log"
: >"$log"

SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

# 1. The hint.
await_line '^hint-target ' || fail "the demo window did not come up"
read -r _ hint_x hint_y < <(grep '^hint-target ' "$log")
window=$(await_window '^Skinned message demo$') || fail "no native window titled 'Skinned message demo'"
focus_demo_window "$window" $((hint_x + 150)) "$hint_y"
xdotool mousemove "$hint_x" "$hint_y"
await_line '^hint shown' || fail "the hint did not show"
grep -q '^hint shown, focus kept$' "$log" || fail "showing the hint took the focus"
sleep 0.3
import -window root "$output/skin_message_e2e_hint.png" || fail "could not take the hint picture"
xdotool key shift
await_line '^hint hidden$' || fail "a key did not hide the hint"
echo "hint: shown without taking the focus, hidden by a key"

# Waits for box $1, gives it the keyboard, and reads its button points.
await_box() {
    await_line "^box $1 " || fail "box $1 did not show"
    local title=$2
    local box
    box=$(await_window "^$title\$") || fail "box $1: no native window titled '$title'"
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$box" 2>/dev/null && break
        sleep 0.2
    done
    # Keys go to the window under the pointer on a bare X server.
    read -r -a fields < <(grep "^box $1 " "$log")
    xdotool mousemove "${fields[3]}" $((fields[4] - 40)) sleep 0.3
}

expect_result() {
    await_line "^result $1 " || fail "box $1 did not close"
    local result
    result=$(grep "^result $1 " "$log" | cut -d' ' -f3)
    [[ "$result" == "$2" ]] || fail "box $1: expected $2, the demo printed $result"
    echo "box $1: $3 gave $result"
}

# 2. Escape on Yes/No.
await_box 1 Confirm
import -window root "$output/skin_message_e2e_box.png" || fail "could not take the box picture"
xdotool key Escape
expect_result 1 7 "Escape"

# 3. Enter on Yes/No.
await_box 2 Confirm
xdotool key Return
expect_result 2 6 "Enter"

# 4. The notice's OK, with the mouse.
await_box 3 Clatterbox
read -r _ _ _ ok_x ok_y < <(grep '^box 3 ' "$log")
xdotool mousemove "$ok_x" "$ok_y" sleep 0.2 click 1
expect_result 3 1 "a click on OK"

await_line '^done$' || fail "the demo did not finish"
await_clean_exit 5 "its last box"
echo "PASSED: hint shown and hidden, Escape gave No, Enter gave Yes, OK gave 1"
echo "pictures: $output/skin_message_e2e_hint.png $output/skin_message_e2e_box.png"
