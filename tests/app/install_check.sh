#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a Debian system need: the
# program, which answers --version and finds its help page, the page check's program, which checks a
# page, a valid desktop entry that starts one window per file, the icons, valid AppStream metainfo, the
# manual page, the copyright and the changelog; and, under a virtual X server, that the window's class is
# the one the desktop entry names and that the window has its icon. Usage: install_check.sh BUILD_DIR
set -euo pipefail
build="$1"
top="$(cd "$(dirname "$0")/../.." && pwd)"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.orvex.quillan
share="$prefix/share"
program="$prefix/bin/quillan"
[ "$("$program" --version)" = "Quillan 2.0" ] || fail "installed program"
[ -f "$share/quillan/qn.html" ] || fail "help page"
# Where the program looks for it (beside itself, then ../libexec/quillan), and no other copy on the path.
check="$prefix/libexec/quillan/quillan-check"
[ -x "$check" ] || fail "page check program"
[ ! -e "$prefix/bin/quillan-check" ] || fail "page check program on the path"
answer="$(printf '<p>x</b></p>' | "$check")" || fail "page check program ended with $?"
grep -qx 'M[0-9]*:1 5 W Warning: discarding unexpected </b>' <<<"$answer" || fail "page check answer: $answer"
[ "$(tail -n 1 <<<"$answer")" = "S3:0 4" ] || fail "page check summary: $answer"

# The desktop entry: a file manager starts one window per selected file (%f), and the desktop finds
# the entry of a running window by its class.
desktop="$share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
[ -z "$(desktop-file-validate "$desktop")" ] || fail "desktop entry has hints"
grep -q '^Exec=quillan %f$' "$desktop" || fail "Exec line"
grep -q "^Icon=$id$" "$desktop" || fail "Icon line"
wm_class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
[ -n "$wm_class" ] || fail "no StartupWMClass"
grep -q '^MimeType=text/html;text/css;text/javascript;application/javascript;text/plain;$' "$desktop" ||
  fail "MIME types"

# AppStream: no error or warning (an id under .example is only "maybe not reverse DNS", an info).
metainfo="$share/metainfo/$id.metainfo.xml"
verdict="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fail "metainfo: $verdict"
! grep -q '^[EW]:' <<<"$verdict" || fail "metainfo: $verdict"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
# Each screenshot is in the repository, where its address says.
shots="$(sed -n 's|.*<image[^>]*>https://[^<]*/raw/main/\([^<]*\)</image>.*|\1|p' "$metainfo")"
[ -n "$shots" ] || fail "no screenshot"
for shot in $shots; do [ -f "$top/$shot" ] || fail "screenshot $shot is not in the repository"; done

[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "SVG icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || fail "icon $size"
  file "$png" | grep -q "$size x $size" || fail "icon $size has another size"
done

# The manual page: compressed, read by man without warnings, naming every option --help lists.
man_page="$share/man/man1/quillan.1.gz"
[ -f "$man_page" ] || fail "manual page"
gzip -t "$man_page" || fail "manual page is no gzip file"
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "manual page: $warnings"
manual="$(LC_ALL=C MANWIDTH=200 man -l "$man_page" 2>/dev/null | col -b)"
grep -q '^NAME' <<<"$manual" || fail "manual page has no NAME section"
grep -q '^ *quillan - ' <<<"$manual" || fail "manual page has no NAME line"
options="$("$program" --help | grep -oE '^  -[^ ]+(, -[^ ]+)*' | tr ',' '\n' | tr -d ' ')"
[ "$(wc -l <<<"$options")" -ge 6 ] || fail "--help lists: $options"
for option in $options; do grep -qe "$option" <<<"$manual" || fail "manual page does not name $option"; done
for file in QN.conf .local/state/quillan Russian.loc; do
  grep -qF "$file" <<<"$manual" || fail "manual page does not name $file"
done

# What a Debian package carries: a machine-readable copyright under the licence the metainfo states,
# and a changelog whose newest entry is this version.
copyright="$share/doc/quillan/copyright"
[ -f "$copyright" ] || fail "copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not machine-readable"
license="$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo")"
[ -n "$license" ] || fail "metainfo states no licence"
grep -qx "License: $license" "$copyright" || fail "copyright and metainfo name other licences"
changelog="$share/doc/quillan/changelog.gz"
[ -f "$changelog" ] || fail "changelog"
gzip -dc "$changelog" > "$prefix/changelog" || fail "changelog is no gzip file"
version="$(dpkg-parsechangelog -l "$prefix/changelog" -S Version)" || fail "changelog cannot be read"
[ "Quillan $version" = "$("$program" --version)" ] || fail "changelog is of version $version"

# The installed program under a virtual X server: its window's class is the desktop entry's, and it has
# its icon from the program itself (no icon theme is installed in the prefix).
if command -v xvfb-run >/dev/null && command -v xprop >/dev/null && command -v xdotool >/dev/null; then
  # shellcheck source=tests/app/e2e_common.sh
  . "$top/tests/app/e2e_common.sh"
  e2e_setup
  trap 'rm -rf "$prefix" "$work"' EXIT
  printf '<p>hello</p>\n' > "$work/page.html"
  cat > "$work/look.sh" <<'LOOK'
set -euo pipefail
. "$E2E_COMMON"
e2e_start "$PROGRAM" "$WORK/page.html" '^Orvex Quillan 2\.0 - '
xprop -id "$win" WM_CLASS _NET_WM_ICON > "$WORK/props" || true
kill "$pid"
wait "$pid" 2>/dev/null || true
LOOK
  PROGRAM="$program" WORK="$work" e2e_xvfb 60 bash "$work/look.sh" || fail "the installed program showed no window"
  grep -qx "WM_CLASS(STRING) = \"quillan\", \"$wm_class\"" "$work/props" ||
    fail "StartupWMClass=$wm_class, but the window says $(head -n 1 "$work/props")"
  for size in 16 32 48; do
    grep -q "Icon ($size x $size)" "$work/props" || fail "the window has no icon of $size pixels"
  done
fi
echo "installed files are in place and valid"
