#!/usr/bin/env bash
# The real program as a user runs it, with "Sounds to microphone" on, on a
# private sound server whose "voice" sink stands in for the user's real
# microphone (its monitor is the default source):
#   1. the stored wish makes "Clatterbox microphone" at start;
#   2. key 1 pressed: the microphone carries it at its level, and the voice;
#   3. the microphone switch clicked: the devices go; clicked again: back;
#   4. SIGTERM: the program closes as by its close box and leaves nothing behind.
# Usage: microphone_e2e.sh BRIO SOUND_PROBE PLUG_IN_FOLDER OUTPUT_FOLDER
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_common.sh"
e2e_under_x "$0" pulseaudio pactl parec pacat xdotool import -- "$@"

brio=$1 probe=$2 plugins=$3 output=$4
mkdir -p "$output"
work=$(mktemp -d)
runtime="$work/runtime"
mkdir -p "$runtime"
log="$work/brio.log"
pid=
server=
cleanup() {
    [[ -n "$pid" ]] && kill -9 "$pid" 2>/dev/null
    [[ -n "${voice:-}" ]] && kill "$voice" 2>/dev/null
    [[ -n "$server" ]] && kill -9 "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

XDG_RUNTIME_DIR="$runtime" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=out rate=48000" \
    --load="module-null-sink sink_name=voice rate=48000" >"$work/pulse.log" 2>&1 &
server=$!
export PULSE_SERVER="unix:$runtime/pulse/native"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "FAILED: the private sound server did not start"; cat "$work/pulse.log"; exit 1; }
pactl set-default-source voice.monitor

ours() { pactl list short modules | grep -c 'clatterbox.owner=' ; }

# A fresh folder as a user has it: the program, its player interfaces, a
# sound on key 1 and "Sounds to microphone" left on by the last run.
app="$work/app"
mkdir -p "$app"
cp "$brio" "$app/brio"
cp -r "$plugins" "$app/plug-in"
"$probe" wav "$app/tone.wav" 1000 3 0.5 || { echo "FAILED: no tone written"; exit 1; }
printf '[key]\n1=tone.wav\n[volumn]\n1=100\n' >"$app/Key.ini"
printf '[other]\nmic=1\n' >"$app/settings.ini"

# The user speaks all along.
"$probe" raw 300 120 0.25 | pacat -d voice --raw --format=float32le --rate=48000 --channels=2 &
voice=$!

(cd "$app" && exec ./brio) >"$log" 2>&1 &
pid=$!
window=$(await_window "^Brio$") || fail "the main window did not appear"
for _ in $(seq 100); do [[ $(ours) -eq 3 ]] && break; sleep 0.1; done
[[ $(ours) -eq 3 ]] || fail "the microphone was not made at start ($(ours) modules)"
pactl list sources | grep -q 'Clatterbox microphone' || fail "no source is described as Clatterbox microphone"

# The splash hands the keys over after the first activation.
eval "$(xdotool getwindowgeometry --shell "$window")"
focus_demo_window "$window" $((X + 200)) $((Y + 420))
sleep 4
import -window root "$output/microphone-main.png"

xdotool key 1
sleep 0.3
parec -d clatterbox_microphone --raw --format=float32le --rate=48000 --channels=2 >"$work/call.raw" &
recorder=$!
sleep 1.2
kill "$recorder"
wait "$recorder" 2>/dev/null
key=$("$probe" level "$work/call.raw" 1000)
speech=$("$probe" level "$work/call.raw" 300)
echo "the call hears key 1 at $key (0.5 expected) and the voice at $speech (0.25 expected)"
awk -v v="$key" 'BEGIN { exit !(v > 0.4 && v < 0.6) }' || fail "key 1 is not heard at its level on the microphone"
awk -v v="$speech" 'BEGIN { exit !(v > 0.18 && v < 0.32) }' || fail "the voice is not carried"

# The microphone switch sits at the left of the bottom bar's middle.
xdotool mousemove $((X + 247)) $((Y + HEIGHT - 24)) sleep 0.2 click 1
for _ in $(seq 50); do [[ $(ours) -eq 0 ]] && break; sleep 0.1; done
[[ $(ours) -eq 0 ]] || fail "the switch left the microphone on ($(ours) modules)"
xdotool mousemove $((X + 247)) $((Y + HEIGHT - 24)) sleep 0.2 click 1
for _ in $(seq 50); do [[ $(ours) -eq 3 ]] && break; sleep 0.1; done
[[ $(ours) -eq 3 ]] || fail "the switch did not bring the microphone back ($(ours) modules)"

kill -TERM "$pid"
await_clean_exit 10 "SIGTERM"
pid=
[[ $(ours) -eq 0 ]] || { echo "FAILED: $(ours) modules left behind after SIGTERM"; exit 1; }
grep -q '^mic=1' "$app/settings.ini" || { echo "FAILED: settings.ini lost the switch"; cat "$app/settings.ini"; exit 1; }
echo "PASSED"
