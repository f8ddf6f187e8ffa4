#!/usr/bin/env bash
# End to end: the real program under a virtual X server opens a windows-1251 page, with a windows-1251
# language file beside it (both made by iconv); the File menu and the text show Cyrillic, the status
# bar the encoding, and Ctrl+S writes the page back byte for byte. Then a page that declares windows-1251
# but is UTF-8 is read as UTF-8, and Cyrillic typed into it is saved as UTF-8.
# Usage: e2e_legacy_encoding.sh path/to/quillan [screenshot.png]
set -euo pipefail
program="$1"
shot="${2:-}"
# shellcheck source=tests/app/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
e2e_setup
mkdir "$work/bin"

# The language file is read from the program's folder.
cp "$program" "$work/bin/quillan"
printf '%s\r\n' '[MainForm]' 'MainForm.File1.Caption=&Файл' 'MainForm.Open1.Caption=&Открыть...' \
    'MainForm.Save1.Caption=&Сохранить' 'MainForm.SaveAs1.Caption=Сохранить &как...' \
    'MainForm.Exit1.Caption=В&ыход' 'MainForm.Edit1.Caption=&Правка' 'MainForm.Show1.Caption=&Вид' |
    iconv -f UTF-8 -t WINDOWS-1251 > "$work/bin/Russian.loc"
printf '%s\r\n' '<html><head><meta charset="windows-1251"><title>Проба</title></head>' '<body>' \
    '<p>Съешь же ещё этих мягких французских булок, да выпей чаю.</p>' '</body></html>' |
    iconv -f UTF-8 -t WINDOWS-1251 > "$work/original.html"

cat > "$work/drive.sh" <<'DRIVE'
set -euo pipefail
. "$E2E_COMMON"
e2e_start "$WORK/bin/quillan" "$WORK/page.html" '^Orvex Quillan 2\.0 - .*page\.html$'
xdotool key ctrl+s
sleep 0.5
# The translated File menu: its accelerator is Cyrillic now, so it is opened with the mouse.
xdotool mousemove --window "$win" 20 10 click 1
sleep 0.5
[ -n "$SHOT" ] && import -window root "$SHOT"
xdotool key Escape
sleep 0.2
kill $pid
wait $pid 2>/dev/null || true
DRIVE

cat > "$work/drive-utf8.sh" <<'DRIVE'
set -euo pipefail
. "$E2E_COMMON"
e2e_start "$WORK/bin/quillan" "$WORK/utf8.html" '^Orvex Quillan 2\.0 - .*utf8\.html$'
xdotool type --delay 60 'Жук '
sleep 0.3
xdotool key ctrl+s
sleep 0.5
[ -n "$SHOT" ] && import -window root "$SHOT"
kill $pid
wait $pid 2>/dev/null || true
DRIVE

legacy_saved() {
    for attempt in 1 2; do
        cp "$work/original.html" "$work/page.html"
        # A save that did not happen leaves the same bytes too: the file's time tells.
        touch -d '2001-01-01' "$work/page.html"
        WORK="$work" SHOT="$shot" e2e_xvfb 30 bash "$work/drive.sh" || true
        if [ "$(stat -c %Y "$work/page.html")" -gt "$(date -d '2001-01-02' +%s)" ]; then
            if cmp "$work/original.html" "$work/page.html"; then
                echo "saved back byte for byte"
                return 0
            fi
            echo "the saved page differs"
            od -c "$work/page.html" | head
            return 1
        fi
        echo "attempt $attempt: the page was not saved; trying again"
    done
    return 1
}

utf8_saved() {
    local page="$work/utf8.html"
    printf '%s\n' '<html><head><meta charset="windows-1251"><title>Проба</title></head>' \
        '<p>Съешь же ещё этих мягких французских булок.</p>' '</html>' > "$work/utf8-original.html"
    { printf 'Жук '; cat "$work/utf8-original.html"; } > "$work/utf8-expected.html"
    for attempt in 1 2; do
        cp "$work/utf8-original.html" "$page"
        WORK="$work" SHOT="${shot:+${shot%.png}-utf8.png}" e2e_xvfb 30 bash "$work/drive-utf8.sh" || true
        if ! cmp -s "$work/utf8-original.html" "$page"; then
            if cmp "$work/utf8-expected.html" "$page"; then
                echo "typed Cyrillic saved as UTF-8"
                return 0
            fi
            echo "the saved UTF-8 page differs"
            od -c "$page" | head
            return 1
        fi
        echo "attempt $attempt: the UTF-8 page was not saved; trying again"
    done
    return 1
}

legacy_saved
utf8_saved
