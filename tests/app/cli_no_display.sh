#!/usr/bin/env bash
# The real program answers --help and --version on standard output without any display, and an
# unknown option with an error and the usage on standard error and exit code 2.
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
echo "command line answers without a display"
