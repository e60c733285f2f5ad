#!/usr/bin/env bash
# The program as a person uses it, on a virtual X server with SDL's disk
# audio driver: a first start in a fresh folder, the sound switch clicked
# on, a tone assigned to key 1 by double-clicking its row and typing the
# file's name into the open dialog, key "1" pressed and heard; then a close,
# a second start (the splash hands the key over again), the switch on, "1"
# heard again; and the files the program kept, checked. Screenshots of the
# main window and the about box go to the output folder.
#
# usage: app_e2e.sh <brio> <app_tone_tool> <plug-in folder> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

usage="usage: app_e2e.sh <brio> <app_tone_tool> <plug-in folder> <output folder>"
program=${1:?$usage}
tool=${2:?$usage}
plugins=${3:?$usage}
output=${4:?$usage}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
source "$here/program_e2e.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/app_e2e.log"
: >"$log"
program_folder app_e2e

# The engine asks SDL for 48 kHz, which the disk driver takes as it is.
rate=48000
frequency=660
amplitude=0.5
"$tool" --tone "$app/sounds/tone.wav" "$frequency" "$amplitude" 3 || { echo "FAILED: no tone"; exit 1; }

# Places on the main window, from its top-left corner: they follow from the
# window's layout and the shipped skin's frame.
readonly sound_switch=(113 568) key1_row=(600 110) blank=(250 420) options=(50 568)

# start RUN: the program started in its folder, at its designed place.
start() {
    program_start "$1"
    [[ "$left $top" == "97 99" ]] || fail "run $1: the window is at $left,$top, not at its designed 97,99"
}

click_at() { # X Y [REPEAT]
    xdotool mousemove $((left + $1)) $((top + $2)) sleep 0.2 click --repeat "${3:-1}" --delay 80 1 sleep 0.3
}

# press_and_hear RUN: plays key 1 for a second, closes the window and checks
# what the device wrote.
press_and_hear() {
    focus_demo_window "$window" $((left + blank[0])) $((top + blank[1]))
    xdotool key 1 || fail "run $1: xdotool could not press 1"
    sleep 1.2
    xdotool key alt+F4
    await_clean_exit 10 "Alt+F4 in run $1"
    pid=""
    [[ -s "$disk" ]] || fail "run $1: the disk audio driver wrote nothing"
    "$tool" --check "$disk" "$rate" "$frequency" "$amplitude" >>"$log" 2>&1 ||
        fail "run $1: key 1 did not sound as its tone at full volume"
    echo "run $1: $(tail -n 1 "$log")"
}

# ---- First run: nothing stored yet.
start 1
click_at "${sound_switch[@]}"
click_at "${key1_row[@]}" 2
dialog=$(await_window '^Open$') || fail "the double click opened no open dialog"
# Keys go to the window under the pointer on a bare X server.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) sleep 0.3
xdotool type --delay 60 "$app/sounds/tone.wav"
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Open$' >/dev/null 2>&1 || break
    sleep 0.1
done
sleep 0.5
import -window root -crop 858x595+$left+$top "$output/app_e2e_main.png" || fail "no screenshot of the main window"

# The about box from the Options menu, looked at and closed with Enter.
click_at "${options[@]}"
sleep 0.5
xdotool key a
about=$(await_window '^About$') || fail "the Options menu opened no about box"
eval "$(xdotool getwindowgeometry --shell "$about")"
sleep 0.5
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$output/app_e2e_about.png" || fail "no screenshot of the about box"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.2 key Return
sleep 0.5
xdotool search --onlyvisible --name '^About$' >/dev/null 2>&1 && fail "Enter did not close the about box"

press_and_hear 1
grep -qx '1=sounds/tone.wav' "$app/Key.ini" || fail "Key.ini does not keep key 1's sound relative to the folder: $(cat "$app/Key.ini")"

# ---- Second run: the splash hands key 1 over; the switch starts off again.
start 2
click_at "${sound_switch[@]}"
press_and_hear 2

for line in '1=sounds/tone.wav' '1=100'; do
    grep -qx "$line" "$app/Key.ini" || fail "Key.ini lacks '$line': $(cat "$app/Key.ini")"
done
for line in x=97 y=99 keypanel=1 soundswitch=1 volumn=100 player=plug-in/default.bpi; do
    grep -qx "$line" "$app/settings.ini" || fail "settings.ini lacks '$line': $(cat "$app/settings.ini")"
done
[[ -f "$app/sel.ini" ]] || fail "no sel.ini"
echo "screenshots: $output/app_e2e_main.png $output/app_e2e_about.png"
echo "PASSED: key 1 assigned by double click and the open dialog, heard, kept and heard again after a restart"
