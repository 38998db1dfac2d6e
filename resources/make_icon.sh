#!/usr/bin/env bash
# Draws the application icon (a page with a magnifying glass) and writes
# vivevav.ico with 32-bit images of 16, 32, 48, 64 and 128 pixels.
# Needs ImageMagick: apt-get install imagemagick
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill white -stroke '#34495e' -strokewidth 10 \
  -draw 'path "M 48,16 L 160,16 L 208,64 L 208,240 L 48,240 Z"' \
  -fill '#d6dde4' -draw 'path "M 160,16 L 160,64 L 208,64 Z"' \
  -stroke '#c0392b' -strokewidth 12 \
  -draw 'line 80,96 176,96' -draw 'line 80,128 150,128' -draw 'line 80,160 130,160' \
  -fill '#aed6f199' -stroke '#1f618d' -strokewidth 18 \
  -draw 'circle 150,160 150,212' \
  -stroke '#1f618d' -strokewidth 30 -draw 'line 188,198 236,246' \
  "$work/master.png"

for size in 16 32 48 64 128; do
  convert "$work/master.png" -resize ${size}x${size} -define png:color-type=6 "$work/icon_${size}.png"
done
# BMP-style entries keep every size 32-bit with alpha for old and new loaders.
convert "$work"/icon_16.png "$work"/icon_32.png "$work"/icon_48.png \
  "$work"/icon_64.png "$work"/icon_128.png -define icon:format=bmp vivevav.ico
identify vivevav.ico
