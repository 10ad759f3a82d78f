#!/usr/bin/env bash
# Draws resources/arabbutton.bmp and arabbutton24.bmp, the 16 x 16 and 24 x 24 images of the
# toolbar's "Arab" button (the larger for 150 % display scaling and up): the Arabic letter ain
# in Amiri Quran (the font the program shows the Arabic in), thickened so that it reads at
# that size, without shades, black on the grey that loading turns into the button's face
# colour. Needs HarfBuzz's hb-view (libharfbuzz-bin), ImageMagick and fonts-hosny-amiri.
#   tools/gen-arab-button.sh [output folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$here/resources}"
font=/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
hb-view --font-size=64 --margin=0 --background=C0C0C0 --foreground=000000 "$font" "ع" \
    -o "$work/ain.png"
# Crisp black on plain grey: the toolbar shows only the grey as the face. The letter fills
# the same share of the square at both sizes.
draw() {
    local size=$1 letter=$2 erode=$3 file=$4
    convert "$work/ain.png" -trim +repage -morphology Erode "Disk:$erode" -resize "$letter" \
        -threshold 62% -fill '#C0C0C0' -opaque white -background '#C0C0C0' -gravity center \
        -extent "${size}x${size}" -colors 2 -type Palette "BMP3:$out/$file"
    echo "wrote $out/$file"
}
draw 16 12x14 2 arabbutton.bmp
draw 24 18x21 1.5 arabbutton24.bmp
