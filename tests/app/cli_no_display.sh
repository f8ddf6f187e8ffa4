#!/usr/bin/env bash
# The real program answers --help and --version on standard output without any display, and an
# unknown option with an error and the usage on standard error and exit code 2; started to edit without a
# display it says so in one line and exits with 1.
# Usage: cli_no_display.sh path/to/quillan
set -uo pipefail
program="$1"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

out="$(run --help 2>/dev/null)"; code=$?
[ $code -eq 0 ] || fail "--help exited $code"
[[ "$out" == "Usage: quillan "* ]] || fail "--help printed: $out"
out="$(run --version 2>/dev/null)"; code=$?
[ $code -eq 0 ] || fail "--version exited $code"
[ "$out" = "Quillan 2.0" ] || fail "--version printed: $out"
err="$(run --no-such-option 2>&1 >/dev/null)"; code=$?
out="$(run --no-such-option 2>/dev/null)"
[ $code -eq 2 ] || fail "an unknown option exited $code"
[ -z "$out" ] || fail "an unknown option wrote to standard output: $out"
[[ "$err" == *"--no-such-option"*"Usage: quillan "* ]] || fail "an unknown option printed: $err"
# Started to edit without a display (none named, one that is not there, or the X plugin asked for by
# name): one line on standard error and exit code 1, no abort and no core dump.
for setting in "" "DISPLAY=:4711" "QT_QPA_PLATFORM=xcb" "WAYLAND_DISPLAY=nowhere-4711 QT_QPA_PLATFORM=wayland"; do
  folder="$(mktemp -d)"
  err="$(cd "$folder" && ulimit -c 0 && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting \
    XDG_CONFIG_HOME="$folder" XDG_STATE_HOME="$folder" XDG_RUNTIME_DIR="$folder" \
    timeout 30 "$program" 2>&1 >/dev/null)"; code=$?
  rm -rf "$folder"
  [ $code -eq 1 ] || fail "a start with '${setting:-nothing set}' exited $code: $err"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "a start with '${setting:-nothing set}' printed: $err"
  [[ "$err" == "quillan: cannot open a display"* ]] || fail "a start with '${setting:-nothing set}' printed: $err"
done
echo "command line answers without a display, and a start without one says so"
