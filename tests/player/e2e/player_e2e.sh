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

source "$(cd "$(dirname "$0")/../../e2e" && pwd)/e2e_common.sh"
e2e_under_x "$0" xvfb-run xdotool -- "$@"

mkdir -p "$output"
log="$output/player_e2e.log"
: >"$log"
work=$(mktemp -d "${TMPDIR:-/tmp}/player_e2e.XXXXXX")
disk="$work/device.raw"

SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$disk" "$demo" "$interface" >"$log" 2>&1 &
pid=$!

finish() {
    kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Decoding and start-up are slow on a loaded machine.
await_line '^ready$' 30 || fail "the demo did not get ready"
read -r _ rate _ < <(grep '^rate ' "$log")
read -r _ frequency peak < <(grep '^expect ' "$log")
read -r _ blank_x blank_y < <(grep '^blank ' "$log")

window=$(await_window '^Clatterbox player test$') || fail "no native window titled 'Clatterbox player test'"

# A click beside the key caps (a click on one would play it).
focus_demo_window "$window" "$blank_x" "$blank_y"
xdotool key 1 || fail "xdotool could not press 1"
sleep 1
xdotool key alt+F4
await_clean_exit 10 "Alt+F4"
[[ -s "$disk" ]] || fail "the disk audio driver wrote nothing to $disk"

"$demo" --check "$disk" "$rate" "$frequency" "$peak" || fail "the device did not play row 1's tone at its volume"
echo "PASSED: key 1 played its tone at its volume"
