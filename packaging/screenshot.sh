#!/usr/bin/env bash
# Makes the screenshot the AppStream metainfo shows: the real program under a virtual X server, with a
# sample page, its window captured with ImageMagick. Needs xvfb-run, xdotool and import.
# Usage: packaging/screenshot.sh [path/to/quillan] [out.png]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "${1:-$here/../build/app/quillan}")"
out="$(realpath -m "${2:-$here/screenshots/main-window.png}")"
# shellcheck source=tests/app/e2e_common.sh
. "$here/../tests/app/e2e_common.sh"
e2e_setup
mkdir -p "$work/site"
cp "$here/screenshot-page.html" "$work/site/index.html"

cat > "$work/shoot.sh" <<'SHOOT'
set -euo pipefail
. "$E2E_COMMON"
e2e_start "$PROGRAM" "$WORK/site/index.html" '^Orvex Quillan 2\.0 - '
# The size the metainfo states, 16:9 as software centres show it.
xdotool windowmove --sync "$win" 0 0 windowsize --sync "$win" 1024 576
sleep 1
import -window "$win" "$OUT"
kill "$pid"
wait "$pid" 2>/dev/null || true
SHOOT
PROGRAM="$program" WORK="$work" OUT="$out" \
  timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/shoot.sh"
identify -format '%w x %h\n' "$out"
echo "$out"
