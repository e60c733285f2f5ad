#!/usr/bin/env bash
# Runs the skinned-form demo on a virtual X server under a window manager
# and works its skinned frame with the mouse: drag the caption, roll up and
# down, minimize and restore, send it to the tray where no tray exists (it
# is minimized instead and can be restored), close. Screenshots are taken on
# the way.
#
# usage: skinform_e2e.sh <skin_form_demo> <output folder>
# Exits 77 (skipped) when the X tools or the window manager are missing.
set -uo pipefail

demo=${1:?usage: skinform_e2e.sh <skin_form_demo> <output folder>}
output=${2:?usage: skinform_e2e.sh <skin_form_demo> <output folder>}
export BRIO_E2E_WM=${BRIO_E2E_WM:-openbox}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool import -- "$@"

mkdir -p "$output"
log="$output/skinform_e2e.log"
: >"$log"
# No session bus: the notification area cannot take the icon.
env -u DBUS_SESSION_BUS_ADDRESS SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
pid=$!

# Fields of the last state line: state left top right bottom visible, then
# x y of close, min, rollup, rolldown, tray.
last_state() {
    grep '^state ' "$log" | tail -n 1 | cut -d' ' -f2-
}
read_state() {
    read -r state left top right bottom _ visible _ close_x close_y _ min_x min_y _ rollup_x rollup_y \
        _ rolldown_x rolldown_y _ tray_x tray_y < <(last_state)
}
# await_state STATE PREFIX [SECONDS]: the latest report must come to be
# "STATE PREFIX..." within SECONDS (10 unless told).
await_state() {
    for _ in $(seq $((${3:-10} * 10))); do
        [[ "$(last_state)" == "$1 $2"* ]] && { read_state; return 0; }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "expected 'state $1 $2', the last report is: $(last_state)"
}
click_at() {
    (($1 >= 0)) || fail "$3 is not shown (last report: $(last_state))"
    xdotool mousemove "$1" "$2" sleep 0.3 click 1
}
shot() {
    import -window root "$output/skinform_e2e_$1.png" || fail "could not take the screenshot $1"
    echo "screenshot: $output/skinform_e2e_$1.png"
}

await_line '^state normal ' 15 || fail "the demo did not show its form"
window=$(await_window '^Clatterbox skin form test$') || fail "no native window titled 'Clatterbox skin form test'"
sleep 0.5
read_state
shot shown

# Drag the caption by (+120, +80), away from the screen's edges.
x=$(((left + right) / 2 - 60))
y=$((top + 10))
xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove $((x + 60)) $((y + 40)) sleep 0.2 mousemove $((x + 120)) $((y + 80)) sleep 0.3 mouseup 1
await_state normal "$((left + 120)) $((top + 80)) $((right + 120)) $((bottom + 80))"
echo "dragged by the caption to $left,$top"

# Roll up and down again: the form unrolls where it is.
normal="$left $top $right $bottom"
click_at "$rollup_x" "$rollup_y" "the roll-up button"
await_state rollup "$left $top $right "
((bottom - top < 60)) || fail "the rolled-up form is $((bottom - top)) high"
sleep 0.3
shot rolled_up
click_at "$rolldown_x" "$rolldown_y" "the roll-down button"
await_state normal "$normal"
echo "rolled up and down"

# Minimize, then restore through the window manager.
click_at "$min_x" "$min_y" "the minimize button"
await_state minimized "" 
sleep 0.5
wmctrl -i -a "$window"
await_state normal "$normal"
echo "minimized and restored"

# The tray: no notification area here, so the form is minimized instead
# and stays reachable.
click_at "$tray_x" "$tray_y" "the tray button"
await_state minimized ""
((visible == 1)) || fail "the tray fallback hid the window"
sleep 0.5
wmctrl -i -a "$window"
await_state normal "$normal"
sleep 0.3
shot restored
echo "the tray fell back to minimize and the form came back"

click_at "$close_x" "$close_y" "the close button"
await_line '^closed$' 5 || fail "the close button did not end the program"
await_clean_exit 5 "its close button"
echo "PASSED: dragged, rolled up, minimized and restored, tray fallback, closed"
