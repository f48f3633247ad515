#!/bin/sh
# Regenerates the game's built-in pictures in resources/pictures/.
# Needs ImageMagick 6 (`convert`) and the DejaVu fonts. The output is kept in the
# repository, so run this only after changing a picture here.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/../resources/pictures"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bold=DejaVu-Sans-Bold
boldCondensed=DejaVu-Sans-Condensed-Bold
plain=DejaVu-Sans

# One palette for every picture, so the splash, the icon and the information
# window look like one family.
navy='#1d2b64'
teal='#2a9d8f'
yellow='#e9c46a'
orange='#f4a261'
coral='#e76f51'
blue='#457b9d'
green='#8ab17d'
purple='#7b5ea7'
pink='#e5989b'

# Start picture, 362 x 252: what the reference area shows before a picture is
# chosen.
convert -size 362x252 xc:'#fff6c4' \
    -fill none -stroke '#e3cf7a' -strokewidth 3 -draw 'rectangle 6,6 355,245' \
    -stroke '#e3cf7a' -strokewidth 1 -draw 'stroke-dasharray 6 4 rectangle 14,14 347,237' \
    -stroke none -fill '#1f4fbf' -font "$bold" -pointsize 62 \
    -gravity north -annotate +0+34 'Pick an' -annotate +0+112 'Image' \
    -fill '#5a6fa8' -font "$plain" -pointsize 13 \
    -gravity south -annotate +0+24 'File  >  1 - Pick an Image' \
    -strip "PNG24:$out/start.png"

# Completion badge, 153 x 99: a yellow starburst on black.
star=$(awk 'BEGIN {
    pi = atan2(0, -1); n = 18; s = "";
    for (i = 0; i < 2 * n; i++) {
        a = pi * i / n - pi / 2;
        rx = (i % 2 == 0) ? 74 : 56; ry = (i % 2 == 0) ? 48 : 35;
        s = s sprintf("%.1f,%.1f ", 76.5 + rx * cos(a), 49.5 + ry * sin(a));
    }
    print s }')
convert -size 153x99 xc:black \
    -fill '#ffd800' -stroke '#ff8c00' -strokewidth 2 -draw "polygon $star" \
    -stroke none -fill '#b00000' -font "$boldCondensed" -pointsize 17 \
    -gravity center -annotate +0+1 'Completed !' \
    -strip "PNG24:$out/badge.png"

# Piece backs: a red diagonal lattice with one arrow. The upright back points
# down; the other three are the same picture turned, so the arrow points right,
# up and left.
lattice=""
k=-99
while [ $k -le 198 ]; do
    lattice="$lattice line $k,0 $((k + 99)),99 line $k,99 $((k + 99)),0"
    k=$((k + 12))
done
arrow='polygon 29,16 40,16 40,58 52,58 34.5,84 17,58 29,58'
# Drawn at four times the design size (69 x 99), so a piece stays sharp when it
# is large or the screen is dense; the views scale it down to the piece.
convert -size 276x396 xc:white \
    -fill none -stroke '#d42a2a' -strokewidth 1.5 -draw "scale 4,4 $lattice" \
    -stroke '#a01818' -strokewidth 2 -draw 'scale 4,4 rectangle 1,1 67,97' \
    -fill white -stroke white -strokewidth 7 -draw "scale 4,4 $arrow" \
    -fill '#8b0000' -stroke '#8b0000' -strokewidth 1 -draw "scale 4,4 $arrow" \
    "$work/back4.png"
convert "$work/back4.png" -strip "PNG24:$out/back4.png"
convert "$work/back4.png" -rotate -90 -strip "PNG24:$out/back5.png"
convert "$work/back4.png" -rotate 180 -strip "PNG24:$out/back6.png"
convert "$work/back4.png" -rotate 90 -strip "PNG24:$out/back7.png"

# Splash picture, 379 x 215, 24 bits: pure white is cut away from the window,
# so every drawing is made with hard edges (+antialias) on the white, and the
# smooth lettering only ever sits on coloured bands.
tile() { # left top right bottom colour
    printf " -fill '%s' -draw 'rectangle %s,%s %s,%s'" "$5" "$1" "$2" "$3" "$4"
}
tiles=""
tiles="$tiles$(tile 22 18 78 56 "$teal")"
tiles="$tiles$(tile 84 6 132 56 "$yellow")"
tiles="$tiles$(tile 138 22 190 56 "$coral")"
tiles="$tiles$(tile 196 10 236 56 "$blue")"
tiles="$tiles$(tile 242 16 300 56 "$green")"
tiles="$tiles$(tile 306 28 352 56 "$purple")"
tiles="$tiles$(tile 4 44 34 96 "$orange")"
tiles="$tiles$(tile 344 104 374 158 "$pink")"
tiles="$tiles$(tile 30 184 70 206 "$yellow")"
tiles="$tiles$(tile 76 182 140 212 "$blue")"
tiles="$tiles$(tile 146 182 178 198 "$orange")"
tiles="$tiles$(tile 184 182 236 208 "$teal")"
tiles="$tiles$(tile 242 182 290 200 "$pink")"
tiles="$tiles$(tile 296 182 344 210 "$green")"
eval "convert -size 379x215 xc:white +antialias -stroke '$navy' -strokewidth 2 $tiles \
    -fill '$navy' -draw 'rectangle 14,62 364,140' \
    -fill '#b23a48' -draw 'rectangle 34,146 344,176' \
    \"$work/splash.png\""
convert "$work/splash.png" -antialias \
    -stroke none -fill '#ffd66b' -font "$bold" -pointsize 54 \
    -gravity north -annotate +0+66 'Tessolina' \
    -fill '#fff1d0' -font "$bold" -pointsize 14 \
    -annotate +0+152 'Version 4  -  by the Tessolina team' \
    -alpha off -type TrueColor "BMP3:$out/splash.bmp"

# Information window background, 278 x 198: dark, so its white labels read well.
mosaic=""
col=0
for c in "$teal" "$yellow" "$coral" "$blue" "$green" "$purple" "$pink"; do
    x=$((16 + (col % 4) * 23))
    y=$((132 + (col / 4) * 23))
    mosaic="$mosaic -fill '$c' -draw 'roundrectangle $x,$y $((x + 19)),$((y + 19)) 3,3'"
    col=$((col + 1))
done
eval "convert -size 278x198 gradient:'#23408e'-'#0e1f4d' \
    -fill none -stroke '#8fb3ff' -strokewidth 1 -draw 'rectangle 3,3 274,194' \
    -stroke none -fill '#ffffff30' -draw 'rectangle 16,42 262,43' \
    $mosaic \
    -fill none -stroke '#ffffff90' -strokewidth 1 \
    -draw 'stroke-dasharray 3 2 roundrectangle 85,155 104,174 3,3' \
    -stroke none -fill '$orange' -draw 'roundrectangle 112,150 131,169 3,3' \
    -strip PNG24:\"$out/info.png\""

# The information window's button picture: a white tick on a blue tile.
convert -size 24x24 xc:none \
    -fill '#4a8bf0' -stroke '#cfe0ff' -strokewidth 1 -draw 'roundrectangle 0.5,0.5 23.5,23.5 4,4' \
    -fill none -stroke white -strokewidth 3.2 -draw 'polyline 6,12.5 10.5,17 18,7.5' \
    -strip "PNG32:$out/infobutton.png"

# Program icon, 256 x 256: a three by three board with its last tile lifted out.
board=""
i=0
for c in "$teal" "$yellow" "$coral" "$blue" "$green" "$purple" "$orange" "$pink"; do
    x=$((12 + (i % 3) * 80))
    y=$((12 + (i / 3) * 80))
    board="$board -fill '$c' -draw 'roundrectangle $x,$y $((x + 71)),$((y + 71)) 10,10'"
    i=$((i + 1))
done
eval "convert -size 256x256 xc:none -stroke '$navy' -strokewidth 3 $board \
    -fill '#1d2b6420' -stroke '#1d2b6490' -strokewidth 3 \
    -draw 'stroke-dasharray 8 6 roundrectangle 172,172 243,243 10,10' \
    \"$work/icon-board.png\""
convert -size 96x96 xc:none -fill '#d1495b' -stroke "$navy" -strokewidth 3 \
    -draw 'roundrectangle 12,12 83,83 10,10' \
    -stroke none -fill "$navy" -draw 'circle 48,48 48,36' \
    -background none -rotate -14 -gravity center -extent 100x100 "$work/icon-tile.png"
convert "$work/icon-tile.png" -background black -shadow 60x4+4+6 "$work/icon-shadow.png"
convert "$work/icon-board.png" \
    "$work/icon-shadow.png" -geometry +140+126 -composite \
    "$work/icon-tile.png" -geometry +146+126 -composite \
    -crop 256x256+0+0 +repage -strip "PNG32:$out/icon.png"

echo "pictures written to $out"
