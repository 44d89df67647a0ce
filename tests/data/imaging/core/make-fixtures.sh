#!/usr/bin/env bash
# Re-creates the image fixtures of the image-layer tests with Debian's
# ImageMagick (and a few lines of Python for the EXIF segment). The files are
# committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert

# Four quadrants of known colours: red, lime / blue, white (16 x 12).
quadrants=(-size 16x12 xc:red -fill lime -draw "rectangle 8,0 15,5"
           -fill blue -draw "rectangle 0,6 7,11" -fill white -draw "rectangle 8,6 15,11")

$im "${quadrants[@]}" -quality 95 quadrants.jpg
$im "${quadrants[@]}" -quality 95 -interlace JPEG quadrants-progressive.jpg
$im "${quadrants[@]}" -colorspace gray -quality 95 quadrants-grey.jpg
$im "${quadrants[@]}" -colorspace cmyk -quality 95 quadrants-cmyk.jpg
$im "${quadrants[@]}" PNG24:quadrants-rgb.png
$im "${quadrants[@]}" PNG8:quadrants-palette.png
$im "${quadrants[@]}" -interlace PNG PNG24:quadrants-interlaced.png
$im "${quadrants[@]}" -depth 16 PNG48:quadrants-rgb16.png
$im "${quadrants[@]}" PNG24:png-with-jpeg-extension.jpg
$im "${quadrants[@]}" -alpha set -region 8x6+0+0 -alpha transparent PNG32:quadrants-rgba.png
$im "${quadrants[@]}" -colorspace gray -define png:color-type=0 -define png:bit-depth=8 quadrants-grey8.png
$im "${quadrants[@]}" -colorspace gray -threshold 50% -define png:color-type=0 -define png:bit-depth=1 quadrants-grey1.png
$im "${quadrants[@]}" -colorspace gray -alpha set -define png:color-type=4 quadrants-grey-alpha.png
$im "${quadrants[@]}" -depth 8 -compress lzw quadrants-rgb.tif
$im "${quadrants[@]}" -type palette quadrants-palette2.tif
$im "${quadrants[@]}" -colorspace gray -depth 8 -type grayscale quadrants-grey.tif
$im "${quadrants[@]}" -define tiff:tile-geometry=16x16 quadrants-tiled16.tif
$im "${quadrants[@]}" quadrants.jp2
$im "${quadrants[@]}" quadrants.j2k

# A small photograph-like JPEG stored on its side: EXIF orientation 6.
$im -size 40x30 -seed 7 plasma:orange-navy -quality 90 plain-photo.jpg
python3 - <<'PY'
import struct
jpeg = open('plain-photo.jpg', 'rb').read()
# TIFF structure (little-endian): header, one IFD entry: Orientation = 6.
tiff = b'II' + struct.pack('<HI', 42, 8) + struct.pack('<H', 1) + \
       struct.pack('<HHIHH', 0x0112, 3, 1, 6, 0) + struct.pack('<I', 0)
payload = b'Exif\0\0' + tiff
app1 = b'\xff\xe1' + struct.pack('>H', len(payload) + 2) + payload
# After SOI and the JFIF APP0 segment.
app0_end = 4 + struct.unpack('>H', jpeg[4:6])[0]
open('photo-exif6.jpg', 'wb').write(jpeg[:app0_end] + app1 + jpeg[app0_end:])
PY
rm plain-photo.jpg
