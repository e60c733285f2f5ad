#!/usr/bin/env bash
# Runs the open dialog demo on a virtual X server over a folder of sound
# files and works it three times as a person would:
#   1. keys: Shift+Tab to the list, type "s" to reach the sub-folder, Enter
#      into it, Down, Backspace back out, type "be" for beta.mp3, Down and
#      Up, Enter to choose it;
#   2. mouse: double-click the sub-folder, click inner.wav, click Open;
#   3. Escape cancels.
# It checks the path the demo prints each time and takes one picture of
# the screen while the dialog shows.
#
# usage: file_chooser_e2e.sh <file_chooser_demo> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: file_chooser_e2e.sh <file_chooser_demo> <output folder>}
output=${2:?usage: file_chooser_e2e.sh <file_chooser_demo> <output folder>}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/file_chooser_e2e.log"
screenshot="$output/file_chooser_e2e.png"
: >"$log"

# The folder the dialog shows: a sub-folder first, three sound files, and
# a text file the filter hides.
work=$(mktemp -d "${TMPDIR:-/tmp}/file_chooser_e2e.XXXXXX")
folder="$work/library"
mkdir -p "$folder/sounds"
for name in alpha.wav beta.mp3 bravo.wav notes.txt sounds/inner.wav; do
    printf 'RIFF' >"$folder/$name"
done

SDL_VIDEODRIVER=x11 "$demo" "$folder" 3 >"$log" 2>&1 &
pid=$!

finish() {
    kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Waits for round $1's dialog, gives it the X focus, and reads its targets.
window=""
await_dialog() {
    await_line "^targets $1 " || fail "round $1: the dialog did not show"
    read -r _ _ _ row0_x row0_y _ row1_x row1_y _ open_x open_y _ < <(grep "^targets $1 " "$log")
    window=$(await_window '^Choose a sound$') || fail "round $1: no native window titled 'Choose a sound'"
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$window" 2>/dev/null && break
        sleep 0.2
    done
    # Keys go to the window under the pointer on a bare X server.
    xdotool mousemove "$open_x" $((open_y + 60)) sleep 0.2
}

# Waits for round $1's result and checks it is $2.
expect_result() {
    await_line "^round $(($1 + 1))\$\|^done\$" || fail "round $1: the dialog did not close"
    local result
    result=$(sed -n "/^round $1\$/,/^\(round\|done\)/p" "$log" | grep -E '^(chosen|cancelled)' | head -n 1)
    [[ "$result" == "$2" ]] || fail "round $1: expected '$2', the demo printed '$result'"
    echo "round $1: $result"
}

# 1. The keyboard.
await_dialog 1
xdotool key --delay 150 shift+Tab s Return Down BackSpace
sleep 0.3
xdotool type --delay 120 be
xdotool key --delay 150 Down Up
sleep 0.3
import -window root "$screenshot" || fail "could not take the screenshot"
echo "screenshot: $screenshot"
xdotool key Return
expect_result 1 "chosen $folder/beta.mp3"

# 2. The mouse.
await_dialog 2
xdotool mousemove "$row0_x" "$row0_y" sleep 0.2 click --repeat 2 --delay 80 1 sleep 0.5
xdotool mousemove "$row0_x" "$row0_y" sleep 0.2 click 1 sleep 0.3
xdotool mousemove "$open_x" "$open_y" sleep 0.2 click 1
expect_result 2 "chosen $folder/sounds/inner.wav"

# 3. Escape.
await_dialog 3
xdotool key Escape
expect_result 3 "cancelled"

await_line '^done$' || fail "the demo did not finish"
await_clean_exit 5 "its last round"
echo "PASSED: chosen by keys, chosen by mouse, cancelled by Escape"
