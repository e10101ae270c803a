#!/bin/sh
# Renders the program's icon (desktop/kestrova.svg, drawn by hand) at the sizes
# that are installed beside it. Needs rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../desktop"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kestrova.svg -o "kestrova-$size.png"
done
