#!/bin/sh
# Renders the program's icon from its scalable source into the 16-colour
# 32x32 and 16x16 images the windows use, and the larger full-colour sizes a
# desktop's icon theme asks for. The Windows build packs its .ico from these
# (cmake/WindowsIdentity.cmake).
# Needs ImageMagick; the results are committed, so a build does not.
set -eu
cd "$(dirname "$0")/../packaging/icons"
for size in 32 16; do
    convert -background none -density 384 bitloom.svg -resize ${size}x${size} \
        -colors 16 -strip -define png:exclude-chunks=date,time PNG8:bitloom-$size.png
done

# 16 and 32 reuse the images above; the rest are drawn from a 512-pixel
# rendering so that no size is scaled up. No dates anywhere, so reruns do not
# differ.
for size in 48 64 128 256; do
    convert -background none -density 1536 bitloom.svg -resize ${size}x${size} \
        -strip -define png:exclude-chunks=date,time PNG32:bitloom-$size.png
done
