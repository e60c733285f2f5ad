# Shared pieces of the end-to-end scripts, which run a demo program on a
# virtual X server, drive it with xdotool and read the lines it prints.
# Sourced; the sourcing script sets $log (the demo's output) and $pid.

# e2e_under_x SCRIPT TOOL... -- ARG...: runs SCRIPT again on a virtual X
# server unless it already runs on one; exits 77 (skipped) when a tool is
# missing. With BRIO_E2E_WM set (openbox, say), that window manager runs
# on the server before the script starts.
e2e_under_x() {
    if [[ -n "${BRIO_E2E_INSIDE_X:-}" ]]; then
        if [[ -n "${BRIO_E2E_WM:-}" ]] && ! manager_running; then
            start_manager "$BRIO_E2E_WM" || { echo "FAILED: $BRIO_E2E_WM did not start"; exit 1; }
        fi
        return 0
    fi
    local script=$1 tools=()
    shift
    while [[ $# -gt 0 && "$1" != "--" ]]; do
        tools+=("$1")
        shift
    done
    shift
    [[ -n "${BRIO_E2E_WM:-}" ]] && tools+=("$BRIO_E2E_WM" wmctrl)
    local tool
    for tool in "${tools[@]}"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIPPED: $tool is not installed (needs ${tools[*]})"
            exit 77
        fi
    done
    # Scripts run side by side: each starts its search for a free display at
    # its own number, since two searches from the same one can both pick it.
    BRIO_E2E_INSIDE_X=1 exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x800x24" bash "$script" "$@"
}

# Leaks of the X and audio libraries are theirs, not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp"

fail() {
    echo "FAILED: $*"
    echo "--- what the demo printed:"
    cat "$log"
    kill "$pid" 2>/dev/null
    exit 1
}

# await_line PATTERN [SECONDS]: waits (10 s unless told) for the demo to
# print a line matching PATTERN; fails at once when the demo has ended.
await_line() {
    local tenths=$((${2:-10} * 10))
    for _ in $(seq "$tenths"); do
        grep -q "$1" "$log" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# await_window TITLE: prints the id of the first native window named TITLE
# (an extended regular expression) within ten seconds.
await_window() {
    local window
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && break
        sleep 0.1
    done
    [[ -n "$window" ]] && echo "$window"
}

# await_clean_exit SECONDS WHAT: the demo must end by itself within
# SECONDS and with status 0; WHAT says what should have ended it.
await_clean_exit() {
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the demo still runs $1 s after $2"
    wait "$pid"
    local status=$?
    ((status == 0)) || fail "the demo exited with status $status"
}

# focus_demo_window WINDOW X Y: gives the window the X focus for keys, and
# clicks at (X, Y), a point on it away from anything that reacts, so that the
# window system makes the form active too.
focus_demo_window() {
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$1" 2>/dev/null && break
        sleep 0.2
    done
    xdotool mousemove "$2" "$3" sleep 0.2 click 1 sleep 0.3
}

# manager_running: whether a window manager answers on the display.
manager_running() {
    wmctrl -m >/dev/null 2>&1
}

# start_manager NAME: starts the window manager NAME and waits (20 s at
# most: a first start on a loaded machine builds its caches) until it
# manages the screen; its process id goes to $manager_pid. A manager that
# ends at once (a fresh server that does not take clients yet) is started
# again. What it printed is shown when it does not come up.
manager_pid=""
start_manager() {
    local output
    output=$(mktemp)
    "$1" >"$output" 2>&1 &
    manager_pid=$!
    for _ in $(seq 200); do
        if manager_running; then
            rm -f "$output"
            return 0
        fi
        if ! kill -0 "$manager_pid" 2>/dev/null; then
            sleep 0.2
            "$1" >>"$output" 2>&1 &
            manager_pid=$!
        fi
        sleep 0.1
    done
    echo "--- what $1 printed (DISPLAY=$DISPLAY):"
    cat "$output"
    rm -f "$output"
    return 1
}

# stop_manager: ends the manager start_manager started.
stop_manager() {
    [[ -n "$manager_pid" ]] || return 0
    kill "$manager_pid" 2>/dev/null
    wait "$manager_pid" 2>/dev/null
    manager_pid=""
    for _ in $(seq 50); do
        manager_running || return 0
        sleep 0.1
    done
}
