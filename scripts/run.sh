#!/usr/bin/env bash
# Installs what is missing, builds Quillan and starts it: scripts/run.sh [-html|-css|-js] [file]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$top/build/app/quillan" "$@"
