#!/usr/bin/env bash
# Builds Quillan for release and makes its Debian package, checked with lintian:
# scripts/package.sh [BUILD_DIR]
# Prints the path of the .deb; install it with: sudo apt install ./quillan_2.0_amd64.deb
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$top/build-package}"
"$top/scripts/install-deps.sh"
# Debian's own build flags, hardening included, as its package tools would give them.
cd "$top"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
"$top/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DQUILLAN_TESTS=OFF -DQUILLAN_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >&2
(cd "$dir" && rm -f quillan_*.deb && cpack -G DEB >&2)
deb="$(ls "$dir"/quillan_*.deb)"
"$top/packaging/check-package.sh" "$deb" >&2
echo "$deb"
