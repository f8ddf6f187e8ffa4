#!/usr/bin/env bash
# The window-free libraries stay free of windows: their static libraries name no symbol of Qt Gui or Qt
# Widgets (highlight, editor/core and encoding none of Qt at all), and no file in their folders includes
# a header of those modules.
#   scripts/check-layers.sh [BUILD_DIR [QT_CORE_LIB QT_GUI_LIB QT_WIDGETS_LIB [QT_HEADERS]]]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
qt_lib() { ldconfig -p | awk -v name="lib$1.so.6" '$1 == name { print $NF; exit }'; }
core="${2:-$(qt_lib Qt6Core)}"
gui="${3:-$(qt_lib Qt6Gui)}"
widgets="${4:-$(qt_lib Qt6Widgets)}"
headers="${5:-/usr/include/x86_64-linux-gnu/qt6}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0

# Symbols a shared library defines, without their version.
defined() { nm -D --defined-only "$1" | awk '{ print $3 }' | sed 's/@.*//' | sort -u; }
defined "$core" >"$work/core"
sort -u <(defined "$gui") <(defined "$widgets") >"$work/window"
sort -u "$work/core" "$work/window" >"$work/qt"

# Library FORBIDDEN WHAT: no undefined symbol of the library is in the FORBIDDEN list.
check_library() {
  local library="$build/$1"
  if [ ! -f "$library" ]; then
    echo "missing: $library (build it first)"
    failed=1
    return
  fi
  nm --undefined-only "$library" | awk '$1 == "U" { print $2 }' | sort -u >"$work/undefined"
  comm -12 "$work/undefined" "$work/$2" >"$work/bad"
  if [ -s "$work/bad" ]; then
    echo "$1 uses $3:"
    head -n 20 "$work/bad" | c++filt | sed 's/^/  /'
    failed=1
  fi
}

# Folder ALLOWED: no file includes a Qt header other than those of the ALLOWED module ("" for none).
check_includes() {
  local folder="$1" allowed="$2" file name
  while IFS=: read -r file name; do
    name="${name#*<}"
    name="${name%%>*}"
    [ -n "$allowed" ] && [ -e "$headers/$allowed/${name#"$allowed"/}" ] && continue
    if compgen -G "$headers/Qt*/${name#Qt*/}" >/dev/null || [[ "$name" == Qt*/* ]]; then
      echo "$file includes <$name>, which $folder/ may not use"
      failed=1
    fi
  done < <(grep -HE '^\s*#\s*include\s*<' "$top/$folder"/*.h "$top/$folder"/*.cpp | sed "s|^$top/||")
}

for library in highlight/libquillan_highlight.a editor/core/libquillan_editor_core.a \
  encoding/libquillan_encoding.a authoring/libquillan_page_check.a; do
  check_library "$library" qt "Qt"
done
for library in document/libquillan_document.a authoring/libquillan_authoring.a; do
  check_library "$library" window "Qt Gui or Qt Widgets"
done
for folder in highlight editor/core encoding; do check_includes "$folder" ""; done
for folder in document authoring; do check_includes "$folder" QtCore; done

if [ "$failed" -ne 0 ]; then
  echo "A window-free library reaches for a window (above)."
  exit 1
fi
echo "window-free libraries: no Qt Gui or Widgets symbol or header"
