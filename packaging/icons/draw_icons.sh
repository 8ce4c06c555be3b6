#!/bin/sh
# Renders the desktop icon's 48 and 256 pixel PNGs from the hand-drawn SVG
# beside this script, with ImageMagick. The 16 and 32 pixel sizes are the
# window icons in ui/common/pictures, drawn pixel by pixel for those sizes.
# The results are committed, so a build never needs ImageMagick.
set -eu
cd "$(dirname "$0")"
svg=example.quillmere.LoanCalculator.svg

for size in 48 256; do
    # Drawn at 512 pixels and scaled down, for smoother edges than a direct
    # rendering; -strip keeps dates out of the files so reruns match.
    convert -background none -density 144 "$svg" -resize "${size}x${size}" \
        -strip "PNG32:icon$size.png"
done
