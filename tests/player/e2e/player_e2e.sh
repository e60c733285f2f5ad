#!/usr/bin/env bash
# Runs the key panel demo on a virtual X server with SDL's disk audio
# driver, presses key "1" as a person would, closes the window with Alt+F4,
# and checks that what the device wrote is row 1's tone at row 1's volume.
#
# usage: player_e2e.sh <player_demo> <default.bpi> <output folder>
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

demo=${1:?usage: player_e2e.sh <player_demo> <default.bpi> <output folder>}
interface=${2:?usage: player_e2e.sh <player_demo> <default.bpi> <output folder>}
output=${3:?usage: player_e2e.sh <player_demo> <default.bpi> <output folder>}

if [[ -z "${BRIO_E2E_INSIDE_X:-}" ]]; then
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIPPED: $tool is not installed (needs xvfb and xdotool)"
            exit 77
        fi
    done
    BRIO_E2E_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

mkdir -p "$output"
log="$output/player_e2e.log"
: >"$log"
work=$(mktemp -d "${TMPDIR:-/tmp}/player_e2e.XXXXXX")
disk="$work/device.raw"

here=$(cd "$(dirname "$0")/../../e2e" && pwd)
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$disk" "$demo" "$interface" >"$log" 2>&1 &
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

# Waits up to $2 seconds (default 30: decoding and start-up are slow on a
# loaded machine) for the demo to print a line matching $1.
await_line() {
    local tenths=$((${2:-30} * 10))
    for _ in $(seq "$tenths"); do
        grep -q "$1" "$log" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

await_line '^ready$' || fail "the demo did not get ready"
read -r _ rate _ < <(grep '^rate ' "$log")
read -r _ frequency peak < <(grep '^expect ' "$log")
read -r _ blank_x blank_y < <(grep '^blank ' "$log")

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name 'Clatterbox player test' 2>/dev/null | head -n 1)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || fail "no native window titled 'Clatterbox player test'"

# Focus it: the X focus for the key, a click beside the key caps (which would
# play) so that the window system makes the form active too.
for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null && break
    sleep 0.2
done
xdotool mousemove "$blank_x" "$blank_y" sleep 0.2 click 1 sleep 0.3
xdotool key 1 || fail "xdotool could not press 1"
sleep 1
xdotool key alt+F4
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the demo still runs 10 s after Alt+F4"
wait "$pid"
status=$?
((status == 0)) || fail "the demo exited with status $status"
[[ -s "$disk" ]] || fail "the disk audio driver wrote nothing to $disk"

"$demo" --check "$disk" "$rate" "$frequency" "$peak" || fail "the device did not play row 1's tone at its volume"
echo "PASSED: key 1 played its tone at its volume"
