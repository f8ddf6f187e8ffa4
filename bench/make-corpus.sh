#!/bin/sh
# Builds bench/corpus/ (kept out of git) for the highlighter benchmark:
#   real/{html,js,css}/  real files written by others: npm packages and HTML documentation of this system
#   scaled/<lang>-10m.*, scaled/<lang>-100m.*  the real files of each language repeated to 10 MiB and 100 MiB
# Needs npm (registry access) and tar. Safe to run again: it starts from scratch.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out="$here/corpus"
rm -rf "$out"
mkdir -p "$out/real/html" "$out/real/js" "$out/real/css" "$out/scaled"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# JavaScript and CSS as published: full and minified builds, and the sources of three.js.
(cd "$tmp" && npm pack --silent jquery bootstrap three >/dev/null)
for tgz in "$tmp"/*.tgz; do
  name=$(basename "$tgz" .tgz)
  mkdir -p "$tmp/$name"
  tar -xzf "$tgz" -C "$tmp/$name"
  for ext in js css; do
    find "$tmp/$name" -type f -name "*.$ext" | sort | while read -r f; do
      rel=${f#"$tmp/$name/package/"}
      cp "$f" "$out/real/$ext/$name--$(printf '%s' "$rel" | tr '/' '_')"
    done
  done
done

# HTML: the documentation pages installed on this machine.
find /usr/share/doc -type f \( -name '*.html' -o -name '*.htm' \) | sort | while read -r f; do
  rel=${f#/usr/share/doc/}
  cp "$f" "$out/real/html/$(printf '%s' "$rel" | tr '/' '_')"
done

# Scale-ups: the real files of a language repeated and cut to an exact size.
scale() {
  lang=$1 bytes=$2 dest=$3
  (while :; do find "$out/real/$lang" -type f | sort | xargs cat; done) 2>/dev/null | head -c "$bytes" > "$dest"
}
for lang in html js css; do
  scale "$lang" $((10 * 1024 * 1024)) "$out/scaled/$lang-10m.$lang"
  scale "$lang" $((100 * 1024 * 1024)) "$out/scaled/$lang-100m.$lang"
done

for lang in html js css; do
  printf '%-5s %5d files %8d KiB\n' "$lang" "$(find "$out/real/$lang" -type f | wc -l)" \
    "$(du -sk "$out/real/$lang" | cut -f1)"
done
ls -l "$out/scaled"
