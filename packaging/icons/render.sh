#!/usr/bin/env bash
# Renders the PNG sizes of the program icon from its SVG (needs rsvg-convert from librsvg2-bin).
# The PNGs are kept in the repository so that building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" example.orvex.quillan.svg -o "quillan-$size.png"
done
