#!/usr/bin/env bash
# Peak memory of the program with twenty 10-second sounds assigned (handed
# to the player by the splash and decoded), beside a bare SDL program that
# shows one window, in the same run on a private virtual X server. The
# limit: the bare program's peak + the sounds' decoded PCM + 30 MB.
#
# usage: bench/app/memory.sh --build BUILD
set -euo pipefail

build=""
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    *) echo "usage: memory.sh --build BUILD" >&2; exit 2 ;;
    esac
done
[[ -n "$build" ]] || { echo "usage: memory.sh --build BUILD" >&2; exit 2; }
build=$(cd "$build" && pwd)

if [[ -z "${BRIO_BENCH_INSIDE_X:-}" ]]; then
    BRIO_BENCH_INSIDE_X=1 exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x800x24" bash "$0" --build "$build"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/brio-memory.XXXXXX")
trap 'rm -rf "$work"' EXIT
app="$work/app"
mkdir -p "$app/sounds"
cp "$build/brio" "$app/brio"
cp -r "$build/plug-in" "$app/plug-in"
{
    echo "[key]"
    for n in $(seq 0 19); do
        "$build/app_tone_tool" --tone "$app/sounds/key$n.wav" $((300 + 20 * n)) 0.5 10 >/dev/null
        echo "$n=sounds/key$n.wav"
    done
} >"$app/Key.ini"

# peak_kb PID SECONDS: the process's peak resident size after SECONDS.
peak_kb() {
    sleep "$2"
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

(cd "$app" && SDL_AUDIODRIVER=dummy exec ./brio) >/dev/null 2>&1 &
pid=$!
# The splash hands the keys over in two seconds; decoding follows on the engine's thread.
program_kb=$(peak_kb $pid 15)
kill $pid; wait $pid 2>/dev/null || true

SDL_AUDIODRIVER=dummy "$build/bare_sdl_window" 10 >/dev/null 2>&1 &
pid=$!
bare_kb=$(peak_kb $pid 3)
kill $pid; wait $pid 2>/dev/null || true

# Decoded: stereo 32-bit float at the device's 48 kHz.
pcm_kb=$((20 * 10 * 48000 * 2 * 4 / 1024))
limit_kb=$((bare_kb + pcm_kb + 30 * 1024))
echo "peak memory with twenty 10-second sounds: program $((program_kb / 1024)) MB, bare SDL window $((bare_kb / 1024)) MB," \
     "decoded sounds $((pcm_kb / 1024)) MB, limit $((limit_kb / 1024)) MB," \
     "program minus bare minus sounds $(((program_kb - bare_kb - pcm_kb) / 1024)) MB (limit 30)"
