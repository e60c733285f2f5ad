#!/usr/bin/env bash
# Key to sound, measured as a user meets it: the key panel demo on a virtual
# X server, a private PulseAudio server (shared memory off) with a null sink
# that a recorder holds for the whole run, and key_latency_probe timing each
# press from the X server's raw key event to the first sample on the sink's
# monitor, in turn with `paplay --latency-msec=5` per key and a persistent
# stream written on trigger (the floor).
#
# usage: bench/key_latency.sh --build DIR [--presses N] [--contenders ours,paplay,stream]
#                             [--load] [--keep-log FILE] [-- DEMO OPTIONS...]
#   --load  runs a real compile (`make -j2` of this tree, no cache) beside it.
#   Options after -- go to player_demo (the output's tuning: --target-us N,
#   --request-us N, --margin-us N, --no-lead, --no-realtime, --no-adaptive, --adjust-latency;
#   --sdl-period FRAMES plays through SDL's device on the same server instead).
# Exits 77 when a tool is missing, 1 on a missed key or a wrong sound.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="" presses=100 contenders="ours,paplay,stream" load=0 keep="" tuning=()
arguments=("$@")
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    --presses) presses=$2; shift 2 ;;
    --contenders) contenders=$2; shift 2 ;;
    --load) load=1; shift ;;
    --keep-log) keep=$2; shift 2 ;;
    --) shift; tuning=("$@"); break ;;
    *) echo "usage: $0 --build DIR [--presses N] [--contenders LIST] [--load] [--keep-log FILE]" >&2; exit 2 ;;
    esac
done
[[ -n "$build" ]] || { echo "$0: --build DIR is required" >&2; exit 2; }
demo="$build/player_demo"
probe="$build/key_latency_probe"
[[ -x "$probe" ]] || probe="$build/tests/key_latency_probe"
[[ -x "$demo" ]] || demo="$build/tests/player_demo"
for tool in pulseaudio parec paplay pactl xdotool xvfb-run; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
[[ -x "$demo" && -x "$probe" ]] || { echo "SKIPPED: build player_demo and key_latency_probe in $build"; exit 77; }

if [[ -z "${BRIO_E2E_INSIDE_X:-}" ]]; then
    BRIO_E2E_INSIDE_X=1 exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x800x24" bash "$0" "${arguments[@]}"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/key_latency.XXXXXX")
log="$work/demo.log"
: >"$log"
pids=()
pid=""
finish() {
    # Last started first: the recorder and the demo before their server.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
        wait "${pids[i]}" 2>/dev/null
    done
    # The compile runs in its own process group, so its compilers end with it.
    [[ -n "${loader:-}" ]] && kill -- "-$loader" 2>/dev/null
    wait 2>/dev/null
    [[ -n "$keep" ]] && cp "$log" "$keep"
    rm -rf "$work"
}
trap finish EXIT
source "$root/tests/e2e/e2e_common.sh"

# The private server, as the notes describe.
mkdir -p "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" HOME="$work/runtime" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --disable-shm=yes --use-pid-file=no --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=out rate=48000" >"$work/pulse.log" 2>&1 &
pids+=($!)
export PULSE_SERVER="unix:$work/runtime/pulse/native"
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "FAILED: the private sound server did not start"; cat "$work/pulse.log"; exit 1; }
# An idle null sink suspends and answers late: keep it busy for the whole run.
parec -d out.monitor >/dev/null &
pids+=($!)

if [[ ",$contenders," == *",ours,"* ]]; then
    unset SDL_AUDIODRIVER
    SDL_VIDEODRIVER=x11 "$demo" "$build/plug-in/default.bpi" --seconds 0.25 "${tuning[@]}" >"$log" 2>&1 &
    pid=$!
    pids+=("$pid")
    await_line '^ready$' 60 || fail "the demo did not get ready"
    grep '^output ' "$log"
    echo "tuning: ${tuning[*]:-defaults}"
    read -r _ blank_x blank_y < <(grep '^blank ' "$log")
    window=$(await_window '^Clatterbox player test$') || fail "no window titled 'Clatterbox player test'"
    focus_demo_window "$window" "$blank_x" "$blank_y"
fi

if ((load)); then
    # A real compile beside the measurement: this tree, from scratch, without a compiler cache.
    mkdir -p "$work/load"
    setsid env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER bash -c '
        cmake -S "$1" -B "$2" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug >/dev/null 2>&1 || exit 1
        while true; do
            make -C "$2" -j2 brio_platform brio_ui >/dev/null 2>&1
            make -C "$2" clean >/dev/null 2>&1
        done' load "$root" "$work/load" &
    loader=$!
    # Let the compilers start before the first press.
    sleep 5
    echo "load: make -j2 running (load average $(cut -d' ' -f1-3 /proc/loadavg))"
fi

"$probe" --server "$PULSE_SERVER" --sink out --presses "$presses" --key 1 --frequency 1000 --seconds 0.25 \
    --contenders "$contenders" --tone "$work/tone.wav"
status=$?
((load)) && echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
if [[ -n "$pid" ]]; then
    xdotool key alt+F4
    await_clean_exit 15 "Alt+F4"
    grep '^underruns ' "$log"
fi
exit $status
