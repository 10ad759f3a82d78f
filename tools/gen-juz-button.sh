#!/usr/bin/env bash
# Draws resources/juzbutton.bmp and juzbutton24.bmp, the 16 x 16 and 24 x 24 images of the
# toolbar's "Juz" button (the larger for 150 % display scaling and up): the sign that marks
# the divisions in a mushaf's margin, an eight-pointed star of two squares, one turned by 45
# degrees, drawn as outlines. Black on the grey that loading turns into the button's face
# colour, without shades, as the "Arab" button's letter. Needs ImageMagick.
#   tools/gen-juz-button.sh [output folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$here/resources}"
# The two squares' corners on one circle around the image's centre, filling the square.
draw() {
    local size=$1 stroke=$2 file=$3
    local square diamond
    square=$(awk -v n="$size" 'BEGIN { c = (n - 1) / 2; h = int(c * 0.72 + 0.5);
        printf "%g,%g %g,%g %g,%g %g,%g", c-h, c-h, c+h, c-h, c+h, c+h, c-h, c+h }')
    diamond=$(awk -v n="$size" 'BEGIN { c = (n - 1) / 2;
        printf "%g,0 %g,%g %g,%g 0,%g", c, 2*c, c, c, 2*c, c }')
    convert -size "${size}x${size}" xc:'#C0C0C0' +antialias -fill none -stroke black \
        -strokewidth "$stroke" -draw "polygon $square" -draw "polygon $diamond" \
        -colors 2 -type Palette "BMP3:$out/$file"
    echo "wrote $out/$file"
}
draw 16 1 juzbutton.bmp
draw 24 1.5 juzbutton24.bmp
