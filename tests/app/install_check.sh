#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the program, which
# answers --version and finds its help page, the page check's program, which checks a page, a valid
# desktop entry, the icons and valid AppStream metainfo. Usage: install_check.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.orvex.quillan
share="$prefix/share"
[ "$("$prefix/bin/quillan" --version)" = "Quillan 2.0" ] || fail "installed program"
[ -f "$share/quillan/qn.html" ] || fail "help page"
# Where the program looks for it (beside itself, then ../libexec/quillan), and no other copy on the path.
check="$prefix/libexec/quillan/quillan-check"
[ -x "$check" ] || fail "page check program"
[ ! -e "$prefix/bin/quillan-check" ] || fail "page check program on the path"
answer="$(printf '<p>x</b></p>' | "$check")" || fail "page check program ended with $?"
grep -qx 'M[0-9]*:1 5 W Warning: discarding unexpected </b>' <<<"$answer" || fail "page check answer: $answer"
[ "$(tail -n 1 <<<"$answer")" = "S3:0 4" ] || fail "page check summary: $answer"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
[ -z "$(desktop-file-validate "$share/applications/$id.desktop")" ] || fail "desktop entry has hints"
grep -q '^Exec=quillan %f$' "$share/applications/$id.desktop" || fail "Exec line"
grep -q '^MimeType=text/html;text/css;text/javascript;application/javascript;text/plain;$' \
  "$share/applications/$id.desktop" || fail "MIME types"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "SVG icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || fail "icon $size"
  file "$png" | grep -q "$size x $size" || fail "icon $size has another size"
done
echo "installed files are in place and valid"
