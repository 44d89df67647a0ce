#!/usr/bin/env bash
# Regenerates the images of the sample album in samples/media/ (the results
# are committed; run this only to change them). Needs Debian's ImageMagick
# (convert) and exiftool (libimage-exiftool-perl). Every image is drawn
# here: gradients, shapes and text, no photographs.
set -euo pipefail
cd "$(dirname "$0")"
convert=${CONVERT:-/usr/bin/convert}
font=DejaVu-Sans
media=media
rm -rf "$media"
mkdir -p "$media/landscapes/coast" "$media/graphics"

# Strip dates and other metadata so that every run gives the same bytes.
plain=(-strip -define png:exclude-chunks=date,time)

# Landscapes: a sunset over hills (JPEG) and green hills (PNG).
"$convert" -size 320x200 gradient:'#ffcf6e'-'#c2185b' \
  -fill '#fff3b0' -draw 'circle 160,150 160,110' \
  -fill '#3e2723' -draw 'polygon 0,200 0,150 70,120 140,160 210,125 320,165 320,200' \
  -font "$font" -pointsize 22 -fill white -gravity north -annotate +0+12 'Sunset' \
  "${plain[@]}" -quality 80 "$media/landscapes/sunset.jpg"

"$convert" -size 300x180 gradient:'#b3e5fc'-'#e1f5fe' \
  -fill '#66bb6a' -draw 'ellipse 80,190 140,70 180,360' \
  -fill '#388e3c' -draw 'ellipse 230,200 150,80 180,360' \
  -fill '#fffde7' -draw 'circle 250,40 250,22' \
  -font "$font" -pointsize 18 -fill '#1b5e20' -gravity southwest -annotate +10+8 'Hills' \
  "${plain[@]}" -depth 8 -colors 64 "$media/landscapes/hills.png"

# Coast (one level deeper): the sea (JPEG) and a lighthouse drawn upright but
# stored lying on its side with EXIF orientation 6 (rotate 90 degrees
# clockwise to display), as a camera held upright writes it.
"$convert" -size 320x200 gradient:'#81d4fa'-'#01579b' \
  -fill '#e0f7fa' -draw 'rectangle 0,120 320,126' \
  -fill '#ffe082' -draw 'polygon 0,200 0,170 120,160 320,185 320,200' \
  -font "$font" -pointsize 20 -fill white -gravity north -annotate +0+14 'Sea' \
  "${plain[@]}" -quality 80 "$media/landscapes/coast/sea.jpg"

"$convert" -size 160x240 gradient:'#90caf9'-'#0d47a1' \
  -fill white -draw 'polygon 62,225 98,225 90,70 70,70' \
  -fill '#d32f2f' -draw 'rectangle 66,110 94,128' -draw 'rectangle 64,165 96,183' \
  -fill '#ffeb3b' -draw 'rectangle 70,52 90,70' \
  -fill '#455a64' -draw 'polygon 66,52 94,52 80,36' \
  -font "$font" -pointsize 18 -fill white -gravity north -annotate +0+8 'Lighthouse' \
  -rotate -90 "${plain[@]}" -quality 80 "$media/landscapes/coast/lighthouse-portrait.jpg"
exiftool -q -overwrite_original -n -Orientation=6 "$media/landscapes/coast/lighthouse-portrait.jpg"

# Graphics: shapes (PNG with transparency), a banner (GIF) and a text note.
"$convert" -size 240x180 xc:none \
  -fill '#e53935' -draw 'circle 60,60 60,20' \
  -fill '#1e88e5' -draw 'rectangle 110,25 210,105' \
  -fill '#fdd835' -draw 'polygon 40,165 100,100 160,165' \
  -fill '#8e24aa' -draw 'roundrectangle 150,120 230,170 12,12' \
  "${plain[@]}" -depth 8 "$media/graphics/shapes.png"

"$convert" -size 240x80 gradient:'#3949ab'-'#26c6da' -rotate 90 -rotate -90 \
  -font "$font" -pointsize 34 -fill white -gravity center -annotate +0+0 'Pictavo' \
  "${plain[@]}" -colors 32 "$media/graphics/banner.gif"

cat > "$media/graphics/notes.txt" <<'TXT'
Notes on the sample album

This text file is a page of the "Graphics" folder. The generated site copies
it into files/doc/ and links to it by its caption.
TXT

find "$media" -type f -printf "%s\t%p\n" | sort -k2
