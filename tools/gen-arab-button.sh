#!/usr/bin/env bash
# Draws resources/arabbutton.bmp, the 16 x 16 image of the toolbar's "Arab" button: the
# Arabic letter ain in Amiri Quran (the font the program shows the Arabic in), thickened so
# that it reads at that size, without shades, black on the grey that loading turns into the
# button's face colour. Needs HarfBuzz's hb-view (libharfbuzz-bin), ImageMagick and
# fonts-hosny-amiri.
#   tools/gen-arab-button.sh [output]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$here/resources/arabbutton.bmp}"
font=/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
hb-view --font-size=64 --margin=0 --background=C0C0C0 --foreground=000000 "$font" "ع" \
    -o "$work/ain.png"
# Crisp black on plain grey: the toolbar shows only the grey as the face.
convert "$work/ain.png" -trim +repage -morphology Erode Disk:2 -resize 12x14 -threshold 62% \
    -fill '#C0C0C0' -opaque white -background '#C0C0C0' -gravity center -extent 16x16 \
    -colors 2 -type Palette "BMP3:$out"
echo "wrote $out"
