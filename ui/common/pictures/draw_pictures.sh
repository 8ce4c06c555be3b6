#!/bin/sh
# Draws the program's pictures with ImageMagick: the window icon (a bar chart
# with a yellow line graph over the bars, 16 and 32 pixels, 16 colours) and
# the splash logo (222 x 188 JPEG), each also at double density (@2x).
# Run from anywhere; writes next to this script. The results are committed,
# so a build never needs ImageMagick.
set -eu
cd "$(dirname "$0")"

# The icon, designed on a 32-unit square and drawn at $1 pixels into $2.
icon() {
    size=$1
    out=$2
    s=$(echo "scale=4; $size / 32" | bc)
    convert -size "${size}x${size}" xc:none \
        -draw "scale $s,$s
               fill white stroke none roundrectangle 1,1 31,31 3,3
               stroke '#404040' stroke-width 1.6 line 3,3 3,29 line 3,29 30,29
               stroke '#0b2e6b' stroke-width 1 fill '#2f6fd0'
               rectangle 6,19 10,28  rectangle 12,13 16,28
               rectangle 18,16 22,28 rectangle 24,7 28,28
               fill-opacity 0 stroke '#303000' stroke-linejoin round stroke-width 3.2 path 'M 4,21 L 9,15 L 15,18 L 21,10 L 29,4'
               stroke '#ffe000' stroke-width 1.8 stroke-linejoin round path 'M 4,21 L 9,15 L 15,18 L 21,10 L 29,4'" \
        -colors 16 "PNG8:$out"
}

icon 16 icon16.png
icon 32 icon16@2x.png
icon 32 icon32.png
icon 64 icon32@2x.png

# The logo, designed on 222 x 188 and drawn at $1 times that into $2.
logo() {
    f=$1
    out=$2
    w=$((222 * f))
    h=$((188 * f))
    coins=""
    for i in 0 1 2 3; do
        y=$((150 - 12 * i))
        coins="$coins fill '#9a6f08' stroke '#5c4204' ellipse 68,$y 46,14 0,360
                      fill '#f2c94c' stroke '#b8860b' ellipse 68,$((y - 4)) 46,14 0,360"
    done
    convert -size "${w}x${h}" gradient:'#1d8597'-'#0a2f4a' \
        -draw "scale $f,$f stroke-width 2
               fill '#0a2f4a' stroke none roundrectangle 118,34 212,128 14,14
               stroke '#8fd3e0' stroke-width 1.5 line 126,118 204,118 line 126,118 126,42
               fill '#4fb3c8' stroke none
               rectangle 134,96 146,117 rectangle 152,82 164,117 rectangle 170,88 182,117 rectangle 188,60 200,117
               fill-opacity 0 stroke '#ffe000' stroke-width 3 stroke-linejoin round path 'M 130,98 L 140,86 L 158,90 L 176,70 L 204,46'
               fill-opacity 1 stroke-width 2 $coins
               fill '#f7f1de' stroke '#b9a877' stroke-width 1.5
               path 'M 206,10 C 170,22 126,66 104,132 L 110,134 C 138,84 176,44 206,10 Z'
               path 'M 206,10 C 196,40 166,84 116,128 L 112,126 C 150,80 184,40 206,10 Z'
               fill-opacity 0 stroke '#7a6a42' stroke-width 1.6
               path 'M 206,10 C 170,50 136,96 104,146'
               fill-opacity 1 fill '#3a3a3a' stroke none polygon 101,140 108,143 100,156" \
        -quality 92 "$out"
}

logo 1 logo.jpg
logo 2 logo@2x.jpg
