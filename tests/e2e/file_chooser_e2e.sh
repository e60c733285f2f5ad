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

if [[ -z "${BRIO_E2E_INSIDE_X:-}" ]]; then
    for tool in xvfb-run xdotool import; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIPPED: $tool is not installed (needs xvfb, xdotool and imagemagick)"
            exit 77
        fi
    done
    BRIO_E2E_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

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

here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
SDL_VIDEODRIVER=x11 "$demo" "$folder" 3 >"$log" 2>&1 &
pid=$!

finish() {
    kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAILED: $*"
    echo "--- what the demo printed:"
    cat "$log"
    exit 1
}

# Waits up to $2 seconds (default 10) for the demo to print a line matching $1.
await_line() {
    local tenths=$((${2:-10} * 10))
    for _ in $(seq "$tenths"); do
        grep -q "$1" "$log" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Waits for round $1's dialog, gives it the X focus, and reads its targets.
window=""
await_dialog() {
    await_line "^targets $1 " || fail "round $1: the dialog did not show"
    read -r _ _ _ row0_x row0_y _ row1_x row1_y _ open_x open_y < <(grep "^targets $1 " "$log")
    window=""
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name '^Choose a sound$' 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && break
        sleep 0.1
    done
    [[ -n "$window" ]] || fail "round $1: no native window titled 'Choose a sound'"
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
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the demo still runs after its last round"
wait "$pid"
status=$?
((status == 0)) || fail "the demo exited with status $status"
echo "PASSED: chosen by keys, chosen by mouse, cancelled by Escape"
