#!/bin/sh
# Draws the mode-button pictures, the application icon and the eraser cursor
# with ImageMagick. Run from this folder; the PNGs are committed.
set -e
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf

# Mouse: the pencil mini-grid, yellow squares on black.
convert -size 26x26 xc:black -fill '#ffff00' \
  -draw 'rectangle 2,2 8,8' -draw 'rectangle 10,2 16,8' -draw 'rectangle 18,2 24,8' \
  -draw 'rectangle 2,10 8,16' -draw 'rectangle 10,10 16,16' -draw 'rectangle 18,10 24,16' \
  -draw 'rectangle 2,18 8,24' -draw 'rectangle 10,18 16,24' -draw 'rectangle 18,18 24,24' \
  mode_mouse.png

# Type: coloured digits 1 to 4 on white.
convert -size 26x26 xc:white -font "$FONT" -pointsize 12 \
  -fill '#d00000' -annotate +2+11 '1' -fill '#008000' -annotate +15+11 '2' \
  -fill '#0000d0' -annotate +2+24 '3' -fill '#c06000' -annotate +15+24 '4' \
  -stroke '#808080' -strokewidth 1 -fill none -draw 'rectangle 0,0 25,25' \
  mode_type.png

# Erase: a pink-and-blue eraser lying at a slant.
convert -size 26x26 xc:none \
  -fill '#f48fb1' -stroke '#7a3050' -draw 'polygon 3,17 12,8 17,13 8,22' \
  -fill '#4f7fd8' -stroke '#1f3f78' -draw 'polygon 12,8 18,2 23,7 17,13' \
  mode_erase.png

# Application icon: a corner of a grid with a red given and a black entry.
convert -size 64x64 xc:'#ffffca' -fill white -stroke black -strokewidth 3 \
  -draw 'rectangle 4,4 59,59' -strokewidth 1 \
  -draw 'line 22,4 22,59' -draw 'line 41,4 41,59' -draw 'line 4,22 59,22' -draw 'line 4,41 59,41' \
  -fill '#ffff00' -stroke none -draw 'rectangle 42,42 58,58' \
  -font "$FONT" -pointsize 16 -fill '#ff0000' -annotate +8+19 '5' \
  -fill black -annotate +27+38 '3' -fill '#000080' -annotate +46+19 '9' \
  app.png

# The installed icon at the usual sizes, drawn from the scalable one.
for s in 16 24 32 48 64 128 256; do
  convert -background none -density $((96 * s / 64)) ../desktop/icons/app.svg -resize ${s}x${s} \
    ../desktop/icons/app_${s}.png
done
