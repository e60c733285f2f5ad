# Shared pieces of the end-to-end scripts that run the program itself with
# SDL's disk audio. Sourced after e2e_common.sh; the sourcing script sets
# $program, $plugins, $log and $blank (a point on the window that reacts to
# nothing, from its top-left corner).

# program_folder NAME: a fresh folder $work/app holding the program and its
# plug-ins, removed (with the program stopped) when the script ends.
program_folder() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
    app="$work/app"
    mkdir -p "$app/sounds"
    cp "$program" "$app/brio"
    cp -r "$plugins" "$app/plug-in"
    pid=""
    trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
}

# program_start RUN: starts the program in its folder with the disk audio
# writing to $disk, sets $window, $left and $top, and waits until its splash
# has handed the key table over.
program_start() {
    disk="$work/device-$1.raw"
    (cd "$app" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$disk" exec ./brio) >>"$log" 2>&1 &
    pid=$!
    window=$(await_window '^Brio$') || fail "run $1: no main window titled 'Brio'"
    read -r left top < <(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    # The splash shows for twenty ticks, then closes itself.
    sleep 1
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Loading$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name '^Loading$' >/dev/null 2>&1 && fail "run $1: the splash did not close"
    focus_demo_window "$window" $((left + blank[0])) $((top + blank[1]))
}
