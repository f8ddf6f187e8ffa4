#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: scripts/test.sh [cmake options...]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cd "$top/build"
ctest --output-on-failure -j "${QUILLAN_JOBS:-$(nproc)}" --timeout 600
