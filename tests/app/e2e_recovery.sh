#!/usr/bin/env bash
# End to end: crash recovery of the real program under a virtual X server. The user types into a file,
# waits past the recovery interval, and the program is killed with SIGKILL; started again, it asks
# "Recover the unsaved text of NAME from TIME?", Yes brings the text back as a modified document and
# Ctrl+S writes it to the file. Then SIGTERM: the copy is written before the program leaves, and No at
# the next start deletes it. Usage: e2e_recovery.sh path/to/quillan [folder for screenshots]
set -euo pipefail
program="$1"
shots="${2:-}"
# shellcheck source=tests/app/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
e2e_setup
printf '<p>old</p>\n' > "$work/page.html"

cat > "$work/drive.sh" <<'DRIVE'
set -euo pipefail
. "$E2E_COMMON"
copies="$XDG_STATE_HOME/quillan"
fail() { echo "FAIL: $*"; cat "$WORK/stderr" 2>/dev/null; exit 1; }
shot() { [ -z "$SHOTS" ] || import -window root "$SHOTS/$1.png"; }
# Waits up to a minute for a window whose name matches $1.
window() { e2e_window "$1" 600; }
start() {
    "$PROGRAM" "$WORK/page.html" 2>>"$WORK/stderr" &
    pid=$!
    main="$(window '^Orvex Quillan 2\.0 - ')" || fail "no main window"
}
focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" || true
    sleep 0.3
}
type_into() {
    sleep 0.5
    focus "$1"
    xdotool type --delay 40 "$2"
}
ended() {
    for _ in $(seq 1 300); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}
copy_count() { find "$copies" -name '*.recovery' 2>/dev/null | wc -l; }

# 1. Typing, a copy after the interval, then a kill that leaves no chance to clean up.
start
type_into "$main" 'abc'
for _ in $(seq 1 300); do [ "$(copy_count)" -ge 1 ] && break; sleep 0.1; done
[ "$(copy_count)" -eq 1 ] || fail "no recovery copy after the interval"
kill -KILL "$pid"; wait "$pid" 2>/dev/null || true

# 2. The next start offers the text; Yes, then Ctrl+S writes it to the file.
start
box="$(window '^Warning$')" || fail "no recovery question"
shot recovery-question
focus "$box"
xdotool key y
sleep 0.8
shot recovered
focus "$main"
xdotool key ctrl+s
sleep 0.8
[ "$(cat "$WORK/page.html")" = 'abc<p>old</p>' ] || fail "recovered text not saved: $(cat "$WORK/page.html")"
[ "$(copy_count)" -eq 0 ] || fail "the copy outlived the save"

# 3. SIGTERM long before the interval: the copy is written on the way out.
type_into "$main" 'xyz'
sleep 0.3
kill -TERM "$pid"
ended || fail "SIGTERM did not end the program"
wait "$pid" || fail "SIGTERM ended the program with code $?"
[ "$(copy_count)" -eq 1 ] || fail "no recovery copy after SIGTERM"
grep -q 'abcxyz<p>old</p>' "$copies"/*.recovery || fail "the copy lacks the typed text"

# 4. No deletes the copy; the file keeps what was saved.
start
box="$(window '^Warning$')" || fail "no recovery question after SIGTERM"
focus "$box"
xdotool key n
sleep 0.5
[ "$(copy_count)" -eq 0 ] || fail "No kept the copy"
kill -TERM "$pid"; ended || fail "the program did not end"
echo "recovered as expected"
DRIVE

PROGRAM="$program" WORK="$work" SHOTS="$shots" e2e_xvfb 240 bash "$work/drive.sh"
