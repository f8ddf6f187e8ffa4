#!/usr/bin/env bash
# Installs the Debian 12 packages Quillan needs to build, test, benchmark and fuzz.
# Does nothing when they are all present.
set -euo pipefail
packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libtidy-dev libuchardet-dev
  qt6-webengine-dev libqt6webenginecore6-bin
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libpcre2-dev libxxhash-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick poppler-utils chromium
  fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream file dpkg-dev lintian man-db vim time
  at-spi2-core python3-pyatspi dbus librsvg2-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
