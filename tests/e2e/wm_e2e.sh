#!/usr/bin/env bash
# Our windows under a real window manager (openbox) on a virtual X server,
# worked the way the manager and a person work them:
#   1. the manager moves the frame (wmctrl -e): its close button closes it
#      at its visible place;
#   2. the frame starts before the manager: no second title bar, the caption
#      drags, and the manager's close request ends it;
#   3. another program is active: switching desktops and back, or showing
#      the desktop and back, leaves it active;
#   4. the chooser's filter list is open: Alt+Tab, moving the dialog to
#      another desktop, or minimizing it through the manager leaves no
#      window of ours on screen; closing it through the manager closes it
#      at once;
#   5. the manager moves the key panel: a click on key 1 at its visible
#      place plays key 1's sound;
#   6. no manager at all: our own minimize leaves the window usable, a click
#      on the bare desktop closes a drop-down, and the keyboard comes to the
#      next dialog when the first closes.
#
# BRIO_WM_E2E_CASES="1 4" runs only those cases.
#
# usage: wm_e2e.sh <sdl_window_demo> <file_chooser_demo> <player_demo> <default.bpi> <output folder>
# (the player demo and the interface may be "-" when the player is not built).
# Exits 77 (skipped) when the X tools or the manager are missing.
set -uo pipefail

usage="usage: wm_e2e.sh <sdl_window_demo> <file_chooser_demo> <player_demo> <default.bpi> <output folder>"
frame_demo=${1:?$usage}
chooser_demo=${2:?$usage}
player_demo=${3:?$usage}
interface=${4:?$usage}
output=${5:?$usage}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool wmctrl xprop xmessage openbox -- "$@"

mkdir -p "$output"
log="$output/wm_e2e.log"
work=$(mktemp -d "${TMPDIR:-/tmp}/wm_e2e.XXXXXX")
pid=""
other=""
finish() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    [[ -n "$other" ]] && kill "$other" 2>/dev/null
    stop_manager
    rm -rf "$work"
}
trap finish EXIT

# start DEMO ARG...: runs a demo with its output in $log.
start() {
    : >"$log"
    SDL_VIDEODRIVER=x11 "$@" >"$log" 2>&1 &
    pid=$!
}

# The last window rectangle the frame demo reported: left top right bottom.
last_rect() {
    grep -E '^(shown|moved|sized) ' "$log" | tail -n 1 | cut -d' ' -f2-
}

# Our windows on screen (managed or not: SDL names its process on each).
mapped_windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}

# await_mapped COUNT: waits (3 s at most) until COUNT windows of ours show.
await_mapped() {
    for _ in $(seq 30); do
        (($(mapped_windows) == $1)) && return 0
        sleep 0.1
    done
    return 1
}

active_window() {
    xdotool getactivewindow 2>/dev/null
}

# Another program, a plain X client: its window id goes to $stranger.
start_other() {
    if [[ -z "$other" ]]; then
        xmessage -name other -title "Another program" "another program" 2>/dev/null &
        other=$!
    fi
    stranger=$(await_window '^Another program$') || fail "xmessage did not show"
}

wanted() {
    [[ -z "${BRIO_WM_E2E_CASES:-}" || " $BRIO_WM_E2E_CASES " == *" $1 "* ]]
}

# 1. A move by the manager reaches the window system.
case1() {
    start "$frame_demo"
    await_line '^targets ' || fail "1: the frame did not start"
    read -r _ _ _ _ _ close_dx close_dy _ < <(grep '^targets ' "$log")
    window=$(await_window '^Clatterbox frame test$') || fail "1: no native window"
    wmctrl -i -r "$window" -e 0,347,233,-1,-1
    await_line '^moved 347 233 ' 5 || fail "1: the window system did not follow the manager's move to 347,233"
    read -r left top right bottom < <(last_rect)
    xdotool mousemove $((right - close_dx)) $((top + close_dy)) sleep 0.2 click 1
    await_line '^closed$' 5 || fail "1: the close button at its visible place did nothing"
    await_clean_exit 5 "its close button"
    echo "1: the manager's move followed; the visible close button closes"
}

# 2. Started before the manager.
case2() {
    stop_manager
    start "$frame_demo"
    await_line '^targets ' || fail "2: the frame did not start"
    read -r _ _ caption_dx caption_dy _ < <(grep '^targets ' "$log")
    window=$(await_window '^Clatterbox frame test$') || fail "2: no native window"
    start_manager openbox || fail "2: openbox did not start"
    sleep 0.5
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
    [[ "$extents" == "0, 0, 0, 0" ]] || fail "2: the manager framed the window ($extents): a second title bar"
    xprop -id "$window" WM_TRANSIENT_FOR | grep -q 'not found' || fail "2: the window claims to belong to the root window"
    read -r left top right bottom < <(last_rect)
    x=$((left + caption_dx))
    y=$((top + caption_dy))
    xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $((x + 60)) $((y + 45)) sleep 0.2 mousemove $((x + 120)) $((y + 90)) sleep 0.2 mouseup 1
    await_line "^moved $((left + 120)) $((top + 90)) " 5 || fail "2: the caption did not drag"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ((X == left + 120 && Y == top + 90)) || fail "2: the native window is at $X,$Y, not at $((left + 120)),$((top + 90))"
    wmctrl -i -c "$window"
    await_line '^closed$' 3 || fail "2: the manager's close request did not close the window"
    await_clean_exit 5 "the manager's close request"
    echo "2: started before the manager: no frame of the manager's, the caption drags, the manager closes it"
}

# 3. Another program keeps the focus.
case3() {
    start "$frame_demo"
    await_line '^targets ' || fail "3: the frame did not start"
    ours=$(await_window '^Clatterbox frame test$') || fail "3: no native window"
    start_other
    wmctrl -i -a "$stranger"
    sleep 0.5
    [[ "$(active_window)" == "$stranger" ]] || fail "3: the other program did not become active"
    wmctrl -s 1
    sleep 0.5
    wmctrl -s 0
    sleep 0.8
    [[ "$(active_window)" == "$stranger" ]] || fail "3: after a desktop switch and back, $(active_window) is active, not the other program"
    wmctrl -k on
    sleep 0.5
    wmctrl -k off
    sleep 0.8
    [[ "$(active_window)" == "$stranger" ]] || fail "3: after showing the desktop and back, $(active_window) is active, not the other program"
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "3: the other program stays active across a desktop switch and show-desktop"
}

# 4. The chooser's drop-down list and the manager.
case4() {
    start_other
    folder="$work/library"
    mkdir -p "$folder"
    printf 'RIFF' >"$folder/alpha.wav"
    start "$chooser_demo" "$folder" 1
    open_list() {
        await_line "^targets 1 " || fail "4: the dialog did not show"
        read -r -a targets < <(grep '^targets 1 ' "$log")
        local dx=${targets[12]} dy=${targets[13]}
        dialog=$(await_window '^Choose a sound$') || fail "4: no native dialog"
        wmctrl -i -a "$dialog"
        sleep 0.3
        eval "$(xdotool getwindowgeometry --shell "$dialog")"
        xdotool mousemove $((X + dx)) $((Y + dy)) sleep 0.2 click 1
        await_mapped 2 || fail "4: the filter list did not drop down ($(mapped_windows) windows of ours show) $1"
    }
    open_list "the first time"
    xdotool key alt+Tab
    await_mapped 1 || fail "4: after Alt+Tab, $(mapped_windows) windows of ours show, not the dialog alone"
    open_list "after Alt+Tab"
    wmctrl -i -r "$dialog" -t 1
    await_mapped 0 || fail "4: after the dialog went to another desktop, $(mapped_windows) windows of ours still show"
    wmctrl -s 1
    sleep 0.3
    wmctrl -i -r "$dialog" -t 0
    wmctrl -s 0
    sleep 0.3
    open_list "after coming back from another desktop"
    xdotool windowminimize "$dialog"
    await_mapped 0 || fail "4: after the manager minimized the dialog, $(mapped_windows) windows of ours still show"
    wmctrl -i -a "$dialog"
    sleep 0.5
    open_list "after a restore"
    wmctrl -i -c "$dialog"
    await_line '^cancelled$' 2 || fail "4: closing through the manager with the list open did not close the dialog at once"
    await_clean_exit 5 "the manager's close request"
    echo "4: the list goes with Alt+Tab, another desktop and a minimize; the manager's close works at once"
}

# 5. The key panel after a move by the manager.
case5() {
    if [[ "$player_demo" == "-" ]]; then
        echo "5: skipped, the player is not built"
        return 0
    fi
    disk="$work/device.raw"
    : >"$log"
    SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$disk" "$player_demo" "$interface" >"$log" 2>&1 &
    pid=$!
    await_line '^ready$' 30 || fail "5: the key panel did not get ready"
    read -r _ rate _ < <(grep '^rate ' "$log")
    read -r _ frequency peak < <(grep '^expect ' "$log")
    read -r _ key_dx key_dy < <(grep '^key1 ' "$log")
    panel=$(await_window '^Clatterbox player test$') || fail "5: no native window"
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    wmctrl -i -r "$panel" -e 0,$((X + 94)),"$Y",-1,-1
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    xdotool mousemove $((X + key_dx)) $((Y + key_dy)) sleep 0.2 click 1
    sleep 1
    wmctrl -i -c "$panel"
    await_clean_exit 10 "the manager's close request"
    pid=""
    [[ -s "$disk" ]] || fail "5: the disk audio driver wrote nothing"
    "$player_demo" --check "$disk" "$rate" "$frequency" "$peak" || fail "5: the click on key 1 did not play key 1's sound"
    echo "5: after the manager's move, a click on key 1 plays key 1"
}

# 6. No window manager at all.
case6() {
    stop_manager
    start "$frame_demo"
    await_line '^targets ' || fail "6: the frame did not start"
    read -r -a targets < <(grep '^targets ' "$log")
    local minimize_dx=${targets[11]} minimize_dy=${targets[12]} close_dx=${targets[5]} close_dy=${targets[6]}
    ((minimize_dx >= 0)) || fail "6: the frame has no minimize button"
    window=$(await_window '^Clatterbox frame test$') || fail "6: no native window"
    read -r left top right bottom < <(last_rect)
    xdotool mousemove $((right - minimize_dx)) $((top + minimize_dy)) sleep 0.2 click 1
    sleep 0.5
    [[ "$(last_rect)" == "$left $top $right $bottom" ]] ||
        fail "6: the minimize nobody can carry out left the window at $(last_rect)"
    xdotool mousemove $((right - close_dx)) $((top + close_dy)) sleep 0.2 click 1
    await_line '^closed$' 3 || fail "6: after the minimize, the window does not close"
    await_clean_exit 5 "its close button"

    # A click on the bare desktop closes the drop-down; after the first
    # dialog closes, the second takes the keys with the pointer elsewhere.
    folder="$work/library"
    mkdir -p "$folder"
    printf 'RIFF' >"$folder/alpha.wav"
    start "$chooser_demo" "$folder" 2
    await_line "^targets 1 " || fail "6: the dialog did not show"
    read -r -a targets < <(grep '^targets 1 ' "$log")
    dialog=$(await_window '^Choose a sound$') || fail "6: no native dialog"
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + targets[12])) $((Y + targets[13])) sleep 0.2 click 1
    await_mapped 2 || fail "6: the filter list did not drop down"
    xdotool mousemove 1270 790 sleep 0.2 click 1
    await_mapped 1 || fail "6: a click on the bare desktop left the list open"
    xdotool key Escape
    await_line '^round 2$' 3 || fail "6: Escape did not close the first dialog"
    await_line "^targets 2 " || fail "6: the second dialog did not show"
    sleep 0.3
    xdotool mousemove 1270 790 sleep 0.2 key Escape
    await_line '^done$' 3 || fail "6: the second dialog did not get the keyboard"
    await_clean_exit 5 "both dialogs closed"
    echo "6: without a manager: a minimize leaves the window usable, the bare desktop closes a list, the keyboard follows"
}

start_manager openbox || fail "openbox did not start"
for n in 1 2 3 4 5 6; do
    wanted "$n" && "case$n"
done
echo "PASSED: the window manager group"

