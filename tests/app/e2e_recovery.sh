#!/usr/bin/env bash
# End to end: crash recovery of the real program under a virtual X server. The user types into a file,
# waits past the recovery interval, and the program is killed with SIGKILL; started again, it asks
# "Recover the unsaved text of NAME from TIME?", Yes brings the text back as a modified document and
# Ctrl+S writes it to the file. Then SIGTERM: the copy is written before the program leaves, and No at
# the next start deletes it. A file named relative to the folder the program started in comes back to
# that file when the next start is in another folder with a file of the same name; a touch of the file
# after the crash neither hides the copy nor asks to reload; a file another program rewrote after the
# crash is not overwritten by a plain Save. Usage: e2e_recovery.sh path/to/quillan [folder for screenshots]
set -euo pipefail
program="$(realpath "$1")"
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
# Starts the program in folder $1 with the arguments after it.
start_in() {
    (cd "$1" && exec "$PROGRAM" "${@:2}" 2>>"$WORK/stderr") &
    pid=$!
    main="$(window '^Orvex Quillan 2\.0 - ')" || fail "no main window"
}
# Waits for a recovery copy, then kills the program without a chance to clean up.
crash() {
    for _ in $(seq 1 300); do [ "$(copy_count)" -ge 1 ] && break; sleep 0.1; done
    [ "$(copy_count)" -ge 1 ] || fail "no recovery copy after the interval"
    kill -KILL "$pid"; wait "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do xdotool search --name '^Orvex Quillan' >/dev/null 2>&1 || break; sleep 0.1; done
}
answer() {
    box="$(window '^Warning$')" || fail "no question: $2"
    shot "$2"
    focus "$box"
    xdotool key "$1"
    sleep 0.8
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

# 5. Started in folder a with a relative name, killed, started again in folder b on b's file of that name:
# the copy names a's file, and Ctrl+S writes a's file, never b's.
mkdir -p "$WORK/a" "$WORK/b"
printf '<p>a</p>\n' > "$WORK/a/page.html"
printf '<p>b</p>\n' > "$WORK/b/page.html"
start_in "$WORK/a" page.html
type_into "$main" 'A'
crash
name="$(sed -n 's/^name=//p' "$copies"/*.recovery |
    python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.stdin.read().strip()))')"
[ "$name" = "$WORK/a/page.html" ] || fail "the copy names $name"
start_in "$WORK/b" page.html
answer y recovery-from-another-folder
focus "$main"
xdotool key ctrl+s
sleep 0.8
[ "$(cat "$WORK/a/page.html")" = 'A<p>a</p>' ] || fail "a's file: $(cat "$WORK/a/page.html")"
[ "$(cat "$WORK/b/page.html")" = '<p>b</p>' ] || fail "b's file was overwritten: $(cat "$WORK/b/page.html")"

# 6. A touch of the open file asks nothing; a touch after a crash still offers the copy, which goes back.
touch -d "+1 hour" "$WORK/a/page.html"
focus "$main"
sleep 2
! e2e_window '^Warning$' 20 >/dev/null || fail "a touch asked to reload"
type_into "$main" 'T'
crash
touch -d '+2 hours' "$WORK/a/page.html"
start_in "$WORK/b"
answer y recovery-after-touch
focus "$main"
xdotool key ctrl+s
sleep 0.8
[ "$(cat "$WORK/a/page.html")" = 'AT<p>a</p>' ] || fail "a's file after the touch: $(cat "$WORK/a/page.html")"

# 7. Another program rewrites the file after a crash: the copy is offered as unsaved text, and Ctrl+S asks
# for a name instead of overwriting the file.
type_into "$main" 'C'
crash
printf '<p>theirs</p>\n' > "$WORK/a/page.html"
start_in "$WORK/b"
answer y recovery-of-a-changed-file
focus "$main"
xdotool key ctrl+s
dialog="$(window '^Save As$')" || fail "Ctrl+S did not ask for a name"
focus "$dialog"
xdotool key Escape
sleep 0.5
[ "$(cat "$WORK/a/page.html")" = '<p>theirs</p>' ] || fail "the other program's text was overwritten"
kill -TERM "$pid"; ended || fail "the program did not end"
echo "recovered as expected"
DRIVE

PROGRAM="$program" WORK="$work" SHOTS="$shots" e2e_xvfb 240 bash "$work/drive.sh"
