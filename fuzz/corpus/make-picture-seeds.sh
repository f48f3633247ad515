#!/bin/sh
# Regenerates the seed pictures of the picture fuzzer: tiny files of every kind
# the game reads, written by ImageMagick 6 (`convert`). The output is kept in
# the repository; the fuzzer grows its own corpus from these in its build folder.
set -eu
cd "$(dirname "$0")/picture"
rm -f ./*
src="-size 16x12 gradient:red-blue -fill yellow -draw 'rectangle 3,3 9,7'"
eval convert "$src" -type TrueColor BMP3:rgb24.bmp
eval convert "$src" -colors 16 -type Palette BMP3:palette4.bmp
many="-size 16x12 xc: -channel R -fx i/w -channel G -fx j/h -channel B -fx i*j/w/h +channel"
convert $many -type Palette -compress none BMP3:palette8.bmp
convert $many -type Palette -compress RLE BMP3:rle8.bmp
eval convert "$src" -alpha set -channel A -evaluate set 60% +channel -define bmp:format=bmp4 BMP:argb32.bmp
eval convert "$src" -colors 8 GIF:plain.gif
eval convert "$src" -colors 8 -interlace GIF GIF:interlaced.gif
convert -delay 10 -size 8x6 xc:red xc:blue -size 4x4 xc:green -loop 0 GIF:animated.gif
eval convert "$src" -quality 80 JPEG:baseline.jpg
eval convert "$src" -quality 80 -interlace JPEG JPEG:progressive.jpg
eval convert "$src" -colorspace CMYK -quality 80 JPEG:cmyk.jpg
eval convert "$src" -colorspace Gray -quality 80 JPEG:gray.jpg
# An EXIF block right after the start marker: orientation 6, turn a quarter.
python3 - <<'PY'
data = open("baseline.jpg", "rb").read()
tiff = b"II*\0" + (8).to_bytes(4, "little") + (1).to_bytes(2, "little") \
    + (0x0112).to_bytes(2, "little") + (3).to_bytes(2, "little") \
    + (1).to_bytes(4, "little") + (6).to_bytes(2, "little") + b"\0\0" + (0).to_bytes(4, "little")
body = b"Exif\0\0" + tiff
app1 = b"\xff\xe1" + (len(body) + 2).to_bytes(2, "big") + body
open("exif-orientation.jpg", "wb").write(data[:2] + app1 + data[2:])
PY
eval convert "$src" PNG24:rgb.png
eval convert "$src" -depth 16 PNG48:deep.png
eval convert "$src" -depth 8 -compress none PPM:plain.ppm
