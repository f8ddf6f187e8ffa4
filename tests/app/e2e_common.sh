# shellcheck shell=bash
# Shared by the end-to-end scripts, which source it; their drivers under the virtual X server source it
# again through $E2E_COMMON.
E2E_COMMON="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2e_common.sh"
export E2E_COMMON

# Makes $work, a temporary folder removed on exit, and keeps the program's settings, state (recovery
# copies), cache, data and runtime folders in it: a run never sees or touches the real user's.
e2e_setup() {
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_CACHE_HOME="$work/cache" \
        XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# Runs a command under a virtual X server of its own, ended after $1 seconds.
e2e_xvfb() {
    local seconds="$1"
    shift
    timeout "$seconds" xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}

# Waits for a window whose name matches the pattern $1, up to $2 tenths of a second (10 s unless given),
# and prints its id.
e2e_window() {
    local w
    for _ in $(seq 1 "${2:-100}"); do
        w="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# Starts the program $1 on the file $2 in the background ($pid), waits for its window, named as the pattern
# $3 says ($win), and gives it the focus. Without a window it ends the program and fails. The program's
# errors go to $WORK/stderr (WORK is the drivers' name for the work folder).
# shellcheck disable=SC2153
e2e_start() {
    "$1" "$2" 2>"$WORK/stderr" &
    pid=$!
    win="$(e2e_window "$3")" || { echo "no window"; kill "$pid"; return 1; }
    sleep 0.5
    xdotool windowfocus --sync "$win" || true
    sleep 0.3
}
