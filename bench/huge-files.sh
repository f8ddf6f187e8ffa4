#!/usr/bin/env bash
# Opens the same generated HTML file in vim and in Quillan in one run and prints the ratios.
#   bench/huge-files.sh [BUILD_DIR] [--1g]
# BUILD_DIR (default build-release, else build) holds bench_gui_huge_files. The file is real HTML (the
# documentation pages on this machine, repeated) of 100 MB, and with --1g also of 1 GB, written to a
# temporary folder and read once so that every program finds it in the page cache.
# vim's figure is `vim -u NONE -i NONE -n -es -c q FILE`: started, file loaded, quit (no syntax, no swap
# file); Quillan's is from process start until the first highlighted screen is painted (offscreen).
# The locale stays the caller's (vim then reads UTF-8). Each open is run 3 times; the median counts. Peak memory is the process's maximum resident size.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=""
big=0
for a in "$@"; do
  case "$a" in
    --1g) big=1 ;;
    *) build=$a ;;
  esac
done
if [ -z "$build" ]; then
  build="$top/build-release"
  [ -x "$build/bench/bench_gui_huge_files" ] || build="$top/build"
fi
prog="$build/bench/bench_gui_huge_files"
[ -x "$prog" ] || { echo "no $prog: build with -DQUILLAN_BENCH=ON" >&2; exit 1; }
command -v vim >/dev/null || { echo "vim is missing (scripts/install-deps.sh)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillan-huge.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

make_file() {  # bytes dest
  local all=() pages=() f
  mapfile -t all < <(find /usr/share/doc -type f \( -name '*.html' -o -name '*.htm' \) 2>/dev/null | sort)
  # Only pages in valid UTF-8: vim would otherwise read the file twice, the second time as Latin-1.
  for f in "${all[@]}"; do iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1 && pages+=("$f"); done
  if [ ${#pages[@]} -eq 0 ]; then
    printf '<tr class="row">\t<td align="left">Item &amp; more text</td><td><a href="p.html">link</a></td></tr>\n' \
      >"$tmp/page.html"
    pages=("$tmp/page.html")
  fi
  (while cat "${pages[@]}"; do :; done) 2>/dev/null | head -c "$1" >"$2" || true
}

calc() { awk "BEGIN { print $1 }"; }
field() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }

vim_open() {  # file -> "seconds peak_kib" (median of 3 by time)
  for _ in 1 2 3; do
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$tmp/vim.mem" vim -u NONE -i NONE -n -es -c q "$1" </dev/null >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "$(calc "($end - $start) / 1e9") $(cat "$tmp/vim.mem")"
  done | sort -g | sed -n 2p
}

quillan_open() {  # file label -> results in $tmp/label.<n>, prints median first screen seconds
  for n in 1 2 3; do
    local start
    start=$(date +%s%N)
    "$prog" open "$1" >"$tmp/$2.$n"
    echo "$(calc "($(field first_screen_wall_ns "$tmp/$2.$n") - $start) / 1e9") $n"
  done | sort -g | sed -n 2p
}

report() {  # size-label file -> prints the figures, sets V_* and Q_* for the scaling line
  local label=$1 file=$2 bytes
  bytes=$(stat -c %s "$file")
  cat "$file" >/dev/null
  read -r vs vkib < <(vim_open "$file")
  read -r qs qn < <(quillan_open "$file" "$label")
  local out="$tmp/$label.$qn"
  local peak base first
  peak=$(field peak_rss_bytes "$out")
  first=$(field peak_rss_at_first_screen_bytes "$out")
  base=$(field window_rss_bytes "$out")
  printf '\n== %s (%d bytes, %s lines) ==\n' "$label" "$bytes" "$(field lines "$out")"
  printf 'vim load+quit            %8.3f s   peak %6d MB\n' "$vs" $((vkib / 1024))
  printf 'Quillan first screen     %8.3f s   ratio to vim %.2f (goal <= 0.8)\n' "$qs" "$(calc "$qs / $vs")"
  printf '  editable then %s; keystroke %.1f ms; Ctrl+End %.1f ms\n' "$(field editable "$out")" \
    "$(field keystroke_ms "$out")" "$(field ctrl_end_ms "$out")"
  printf '  highlighter ranges filled in idle time in %.0f ms; longest event-loop stall meanwhile %.1f ms\n' \
    "$(field ranges_complete_ms "$out")" "$(field longest_event_loop_stall_ms "$out")"
  printf 'Quillan peak memory      %6d MB   ratio to file %.2f (goal <= 1.3); at first screen %.2f;\n' \
    $((${peak%.*} / 1048576)) "$(calc "$peak / $bytes")" "$(calc "$first / $bytes")"
  printf '  without the %d MB the program holds with its window up before opening: %.2f\n' $((${base%.*} / 1048576)) \
    "$(calc "($peak - $base) / $bytes")"
  printf 'vim peak memory          ratio to file %.2f\n' "$(calc "$vkib * 1024 / $bytes")"
  eval "Q_first_$label=$qs Q_peak_$label=$peak"
}

echo "Machine: $(uptime)"
make_file 100000000 "$tmp/page-100m.html"
report 100m "$tmp/page-100m.html"

"$prog" save "$tmp/page-100m.html" >"$tmp/save"
raw=$(field raw_write_fsync_s "$tmp/save")
save=$(field save_s "$tmp/save")
printf '\nSave 100 MB atomically  %8.3f s   raw write+fsync %.3f s   ratio %.2f (goal <= 2)\n' "$save" "$raw" \
  "$(calc "$save / $raw")"
rm -f "$tmp"/save-*/* 2>/dev/null || true

if [ "$big" = 1 ]; then
  make_file 1000000000 "$tmp/page-1g.html"
  report 1g "$tmp/page-1g.html"
  printf '\nScaling 1 GB / 100 MB: first screen %.1f×, peak memory %.1f× (goal <= 11)\n' \
    "$(calc "$Q_first_1g / $Q_first_100m")" "$(calc "$Q_peak_1g / $Q_peak_100m")"
  printf '1 GB first screen %.2f s (goal <= 2)\n' "$Q_first_1g"
fi
echo "Machine: $(uptime)"
