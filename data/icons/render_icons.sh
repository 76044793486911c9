#!/usr/bin/env bash
# Renders the PNG sizes of the hicolor application icons from their scalable drawings
# (hicolor/scalable/apps/binora.svg and binora-arith.svg) with rsvg-convert (Debian: librsvg2-bin). Run it after
# changing the drawing; the PNGs are committed so that building needs no SVG renderer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for icon in binora binora-arith; do
  svg="$here/hicolor/scalable/apps/$icon.svg"
  for size in 16 22 24 32 48 64 128 256; do
    dir="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$dir/$icon.png"
  done
  echo "rendered $(find "$here/hicolor" -name "$icon.png" | wc -l) sizes of $icon"
done
