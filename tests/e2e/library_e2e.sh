#!/usr/bin/env bash
# The sound library and the settings dialog as a person uses them, on a
# virtual X server with SDL's disk audio driver. First run in a fresh folder:
# Options → "Sound library" shows the tree; a right click on it → "Append
# Group", a name typed into the group dialog, Enter; a right click on the
# group → "Append(&A)", a name typed, the path field's browse button, the
# open dialog worked by keys, OK; the sound switch on, a right click on the
# sound → "Play(&P)"; Options → "Settings...(&S)", the player interface typed
# as plug-in/compact.bpi, OK; the window closed and the tone looked for in
# what the device wrote. Second run: the tree is back with the group and its
# sound, a double click on the sound plays it again, and sel.ini and
# settings.ini hold what was made. Screenshots go to the output folder.
#
# usage: library_e2e.sh <brio> <app_tone_tool> <plug-in folder> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

usage="usage: library_e2e.sh <brio> <app_tone_tool> <plug-in folder> <output folder>"
program=${1:?$usage}
tool=${2:?$usage}
plugins=${3:?$usage}
output=${4:?$usage}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
source "$here/program_e2e.sh"
e2e_under_x "$0" xvfb-run xdotool import convert -- "$@"

mkdir -p "$output"
log="$output/library_e2e.log"
: >"$log"
program_folder library_e2e

rate=48000
frequency=550
amplitude=0.5
"$tool" --tone "$app/sounds/tone.wav" "$frequency" "$amplitude" 2 || { echo "FAILED: no tone"; exit 1; }

# Places on the main window, from its top-left corner. The frame puts the
# client area at (5, 29) and the key panel starts at client (494, 24), so the
# tree's top-left is at (499, 53). Tree rows are 17 high: the first (the
# group) is centred 10 below the tree's top, its box 12 from the tree's left.
readonly sound_switch=(113 568) blank=(250 420) options=(50 568)
readonly tree_left=499 tree_top=53 row_height=17
readonly group_row=(570 $((tree_top + 10))) sound_row=(570 $((tree_top + 10 + row_height)))
readonly tree_blank=(570 $((tree_top + 300))) group_expander=($((tree_left + 12)) $((tree_top + 10)))
# Menus, from their own window: rows are 22 high and end 5 above the bottom,
# separators are 9; so the third row from the bottom is centred 60 above it.
readonly third_from_bottom=60 second_from_bottom=38 first_row=14 row_after_separator=89

click_at() { # X Y [BUTTON] [REPEAT]
    xdotool mousemove $((left + $1)) $((top + $2)) sleep 0.2 click --repeat "${4:-1}" --delay 80 "${3:-1}" sleep 0.4
}

visible_windows() {
    xdotool search --onlyvisible --name '.*' 2>/dev/null | sort
}

# await_new_window BEFORE NAME: the id of a window named NAME (an extended
# regular expression) that shows now and was not among BEFORE (a list from
# visible_windows), within five seconds. Windows that flash by (a shadow,
# a hint) are passed over.
await_new_window() {
    local id
    for _ in $(seq 50); do
        for id in $(comm -13 <(echo "$1") <(visible_windows)); do
            xdotool getwindowgeometry "$id" >/dev/null 2>&1 || continue
            if xdotool getwindowname "$id" 2>/dev/null | grep -Eq "$2"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# await_gone WINDOW WHAT: WINDOW must close within five seconds.
await_gone() {
    for _ in $(seq 50); do
        visible_windows | grep -qx "$1" || return 0
        sleep 0.1
    done
    fail "$2 did not close"
}

# menu_pick X Y BUTTON WHAT OFFSET [FROM]: clicks BUTTON at (X, Y) on the
# main window and picks a row of the popup menu that opens, OFFSET pixels
# from its top ("top") or its bottom. A click that lands while the last menu
# is still letting go of the pointer opens nothing: it is given once more.
menu_pick() {
    local menu="" before
    for _ in 1 2; do
        before=$(visible_windows)
        click_at "$1" "$2" "$3"
        menu=$(await_new_window "$before" '^$') && break
    done
    [[ -n "$menu" ]] || fail "no menu opened for $4"
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    local y=$((Y + HEIGHT - $5))
    [[ "${6:-bottom}" == top ]] && y=$((Y + $5))
    xdotool mousemove $((X + 60)) "$y" sleep 0.3 click 1 sleep 0.4
    await_gone "$menu" "the menu after '$4'"
}

# open_dialog BEFORE TITLE: the dialog titled TITLE opened since
# BEFORE, with the pointer resting on its upper part (keys go to the window
# under the pointer on a bare X server). Runs in a subshell: the caller fails.
open_dialog() {
    local dialog
    dialog=$(await_new_window "$1" "$2") || return 1
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$dialog" 2>/dev/null && break
        sleep 0.2
    done
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 40)) sleep 0.4
    echo "$dialog"
}

shot() { # NAME [WINDOW]
    sleep 0.5
    if [[ -n "${2:-}" ]]; then
        eval "$(xdotool getwindowgeometry --shell "$2")"
        import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$output/library_e2e_$1.png" || fail "no screenshot $1"
    else
        import -window root -crop 858x595+$left+$top "$output/library_e2e_$1.png" || fail "no screenshot $1"
    fi
}

# panel_brightness NAME: how light (0 to 255) screenshot NAME is inside the
# player panel, where the default interface is dark and the compact one light.
panel_brightness() {
    convert "$output/library_e2e_$1.png" -format '%[fx:int(255*p{150,200}.r)]' info:
}

# close_and_hear RUN: closes the window and checks what the device wrote.
close_and_hear() {
    focus_demo_window "$window" $((left + blank[0])) $((top + blank[1]))
    xdotool key alt+F4
    await_clean_exit 10 "Alt+F4 in run $1"
    pid=""
    [[ -s "$disk" ]] || fail "run $1: the disk audio driver wrote nothing"
    "$tool" --check "$disk" "$rate" "$frequency" "$amplitude" >>"$log" 2>&1 ||
        fail "run $1: the library's sound did not sound as its tone at full volume"
    echo "run $1: $(tail -n 1 "$log")"
}

# ---- First run: nothing stored yet; the library starts hidden.
program_start 1
menu_pick "${options[@]}" 1 "Options" "$third_from_bottom"
sleep 0.5
shot shown

# A group, named through its dialog.
before=$(visible_windows)
menu_pick "${tree_blank[@]}" 3 "a right click on the empty tree" "$third_from_bottom"
dialog=$(open_dialog "$before" "^Brio$") || fail "Append Group opened no dialog"
xdotool type --delay 60 "Effects (old)"
xdotool key Return
await_gone "$dialog" "the group dialog after Enter"

# A sound in it: its name typed, its file chosen with the browse button.
before=$(visible_windows)
menu_pick "${group_row[@]}" 3 "a right click on the group" "$row_after_separator" top
dialog=$(open_dialog "$before" "^Brio$") || fail "Append(&A) opened no dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
sound_dialog=($X $Y $WIDTH $HEIGHT)
xdotool type --delay 60 "Beep"
# The browse button ends the path field, 70 above the dialog's bottom.
# A click while the dialog still settles can go unseen: given once more.
for _ in 1 2; do
    before=$(visible_windows)
    xdotool mousemove $((sound_dialog[0] + sound_dialog[2] - 37)) $((sound_dialog[1] + sound_dialog[3] - 70)) sleep 0.3 click 1
    chooser=$(open_dialog "$before" "^Open$") && break
done
[[ -n "$chooser" ]] || fail "the path field's browse button opened no open dialog"
eval "$(xdotool getwindowgeometry --shell "$chooser")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 30)) sleep 0.3
xdotool key --delay 150 shift+Tab s Return
sleep 0.3
xdotool type --delay 120 to
sleep 0.3
xdotool key Return
await_gone "$chooser" "the open dialog after Enter"
shot sound_dialog "$dialog"
xdotool mousemove $((sound_dialog[0] + sound_dialog[2] / 2)) $((sound_dialog[1] + 40)) sleep 0.3 key Return
await_gone "$dialog" "the sound dialog after Enter"

# Heard from the tree's menu, with the sound switch on.
click_at "${sound_switch[@]}"
menu_pick "${sound_row[@]}" 3 "a right click on the sound" "$first_row" top
sleep 1.5
shot played
(($(panel_brightness played) < 100)) || fail "the default interface's panel is not dark before the settings change"

# Another player interface, typed into the settings.
before=$(visible_windows)
menu_pick "${options[@]}" 1 "Options" "$second_from_bottom"
settings=$(open_dialog "$before" "^Settings$") || fail "Settings...(&S) opened no settings dialog"
eval "$(xdotool getwindowgeometry --shell "$settings")"
# The player field is the first row under the dialog's caption.
xdotool mousemove $((X + 100)) $((Y + 87)) sleep 0.3 click 1 sleep 0.3 click 1 sleep 0.3
xdotool key ctrl+a
xdotool type --delay 60 "plug-in/compact.bpi"
shot settings "$settings"
xdotool key Return
await_gone "$settings" "the settings dialog after Enter"
sleep 2
shot compact
(($(panel_brightness compact) > 200)) || fail "the panel did not change to the compact interface after OK"

close_and_hear 1
grep -q 'player=plug-in/compact.bpi' "$app/settings.ini" || fail "settings.ini does not hold the new player: $(cat "$app/settings.ini")"

# ---- Second run: the tree, its sound and the compact panel are back.
program_start 2
shot restarted
(($(panel_brightness restarted) > 200)) || fail "the second run does not start with the compact interface"
# Groups come back folded: the group's box opens it.
click_at "${group_expander[@]}"
shot expanded
click_at "${sound_switch[@]}"
click_at "${sound_row[@]}" 1 2
sleep 1.5
close_and_hear 2

expected_sel=$'[group]\n1=Effects (old)\ncount=1\n[1]\n1_info=Beep\n1_path=sounds/tone.wav\ncount=1'
[[ "$(cat "$app/sel.ini")" == "$expected_sel" ]] || fail "sel.ini is not the library that was made: $(cat "$app/sel.ini")"
for line in library=1 player=plug-in/compact.bpi; do
    grep -qx "$line" "$app/settings.ini" || fail "settings.ini lacks '$line': $(cat "$app/settings.ini")"
done
echo "screenshots: $output/library_e2e_*.png"
echo "PASSED: a group and a sound made through the dialogs, heard from the tree's menu and by double click after a restart; the chosen interface and the library kept"
