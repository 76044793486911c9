#!/usr/bin/env bash
# Renders the PNG sizes of the hicolor application icon from the scalable drawing
# (hicolor/scalable/apps/binora.svg) with rsvg-convert (Debian: librsvg2-bin). Run it after
# changing the drawing; the PNGs are committed so that building needs no SVG renderer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/hicolor/scalable/apps/binora.svg"
for size in 16 22 24 32 48 64 128 256; do
  dir="$here/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "$dir/binora.png"
done
echo "rendered $(find "$here/hicolor" -name binora.png | wc -l) sizes"
