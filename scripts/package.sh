#!/usr/bin/env bash
# Builds Quillan for release and makes its Debian package: scripts/package.sh [BUILD_DIR]
# Prints the path of the .deb; install it with: sudo apt install ./quillan_2.0_amd64.deb
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$top/build-package}"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DQUILLAN_TESTS=OFF -DQUILLAN_BENCH=OFF >&2
(cd "$dir" && cpack -G DEB >&2)
ls "$dir"/quillan_*.deb
