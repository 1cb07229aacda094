#!/bin/sh
# Renders the program's icon from its scalable source into the 16-colour
# 32x32 and 16x16 images the windows use, and the Windows icon file.
# Needs ImageMagick; the results are committed, so a build does not.
set -eu
cd "$(dirname "$0")/../ui/resources"
for size in 32 16; do
    convert -background none -density 384 bitloom.svg -resize ${size}x${size} \
        -colors 16 PNG8:bitloom-$size.png
done
convert bitloom-32.png bitloom-16.png bitloom.ico
