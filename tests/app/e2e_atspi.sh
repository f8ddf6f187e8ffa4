#!/usr/bin/env bash
# End to end, as a screen reader would: the real program under a virtual X server with a session
# bus and the accessibility bus; over AT-SPI from another process, the document's text and the
# caret offset are read after the user moved the caret, and then after the user typed.
# Usage: e2e_atspi.sh path/to/quillan [screenshot.png]
set -euo pipefail
program="$1"
shot="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '<p>h\xc3\xa9llo</p>\nsecond line\nthird\n' > "$work/page.html"

cat > "$work/drive.sh" <<'DRIVE'
set -euo pipefail
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  "$PROGRAM" "$WORK/page.html" 2>"$WORK/stderr" &
pid=$!
win=""
for _ in $(seq 1 100); do
  win="$(xdotool search --name '^Orvex Quillan 2\.0 - ' 2>/dev/null | head -1 || true)"
  [ -n "$win" ] && break
  sleep 0.1
done
status=0
if [ -z "$win" ]; then
  echo "no window"; status=1
else
  sleep 0.5
  xdotool windowfocus --sync "$win" || true
  sleep 0.3
  xdotool key Down End
  sleep 0.5
  /usr/bin/python3 "$HERE/atspi_read.py" quillan $'<p>h\u00e9llo</p>\nsecond line\nthird\n' 24 || status=1
  xdotool type --delay 30 '!!'
  sleep 0.5
  /usr/bin/python3 "$HERE/atspi_read.py" quillan $'<p>h\u00e9llo</p>\nsecond line!!\nthird\n' 26 || status=1
  [ -n "$SHOT" ] && import -window root "$SHOT"
fi
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
kill $bus 2>/dev/null || true
exit $status
DRIVE

# The keys race the window's start on a loaded machine: one more try when the first run failed.
for attempt in 1 2; do
  if PROGRAM="$program" WORK="$work" HERE="$here" SHOT="$shot" timeout 60 \
      xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$work/drive.sh"; then
    echo "document text and caret read over AT-SPI"
    exit 0
  fi
  echo "attempt $attempt failed"
done
cat "$work/stderr" || true
exit 1
