#!/bin/sh
# Draws the eraser cursor (hot spot at its lower-left tip, 3,28).
set -e
cd "$(dirname "$0")"
convert -size 32x32 xc:none \
  -fill '#f48fb1' -stroke black -draw 'polygon 3,28 14,17 21,24 10,31' \
  -fill '#4f7fd8' -stroke black -draw 'polygon 14,17 26,5 31,12 21,24' \
  eraser.png
