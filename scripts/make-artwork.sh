#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and writes them into
# src/app/res/, where the build takes them from (the build itself never needs
# ImageMagick):
#   ostrevin.ico  the program icon: a clock face with a green pie wedge that
#                 ends in a red one, in 16, 20, 24, 32 and 48 pixels (the
#                 small-icon sizes of 100, 125, 150 and 200 % screen scaling,
#                 and the large icon);
#   toolbar16.bmp, toolbar24.bmp, toolbar32.bmp
#                 the toolbar's four pictures in one strip, at 16, 24 and 32
#                 pixels (for 100 %, 150 % and 200 % scaling), magenta
#                 (255, 0, 255) where they are transparent: 0 an exit door with
#                 an arrow, 1 a green triangle pointing right, 2 a grey gear
#                 wheel, 3 a red disc.
# Every size is drawn from the same shapes at that size, never scaled from
# another picture. Each picture is drawn eight times larger and scaled down,
# so that its edges are smooth; the strip's edge pixels are then either fully
# the picture or fully the mask colour, never a pink blend of both.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

out=src/app/res
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scale=8

# x and y of the point at angle degrees (0 = 12 o'clock, clockwise) on a
# circle of radius r around (cx, cy).
polar() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v a="$4" \
    'BEGIN { t = (a - 90) * atan2(0, -1) / 180; printf "%.2f,%.2f", cx + r * cos(t), cy + r * sin(t) }'
}

# A pie wedge from angle a to angle b as an SVG-style path.
wedge() {
  local cx=$1 cy=$2 r=$3 a=$4 b=$5 large=0
  [ $((b - a)) -gt 180 ] && large=1
  echo "path 'M $cx,$cy L $(polar "$cx" "$cy" "$r" "$a") A $r,$r 0 $large,1 $(polar "$cx" "$cy" "$r" "$b") Z'"
}

icon_image() {
  local size=$1 big=$((size * scale))
  local c=$((big / 2))
  local rim=$((big * 6 / 100 + scale / 4))
  local r=$((c - rim / 2 - scale / 2))
  local face=$((r - rim / 2))
  local ticks=()
  # At 16 pixels the hour marks would only blur the face.
  [ "$size" -ge 32 ] && for angle in 0 90 180 270; do
    ticks+=(-draw "line $(polar $c $c $((face - big / 10)) $angle) $(polar $c $c $face $angle)")
  done
  convert -size "${big}x${big}" xc:none \
    -fill white -stroke '#303030' -strokewidth "$rim" -draw "circle $c,$c $c,$((c - r))" \
    -stroke none -fill '#1fa32b' -draw "$(wedge $c $c $((face - scale)) 0 240)" \
    -fill '#e0241b' -draw "$(wedge $c $c $((face - scale)) 240 300)" \
    -stroke '#303030' -strokewidth $((big / 24 + 1)) "${ticks[@]}" \
    -stroke none -fill '#303030' -draw "circle $c,$c $c,$((c - big / 14 - 1))" \
    -filter Box -resize "${size}x${size}" "$work/icon$size.png"
}

# One toolbar picture of size x size pixels from ImageMagick drawing options
# in 128x128 coordinates (those of the 16-pixel picture drawn eight times
# larger), which the affine setting scales to the size's own canvas.
picture() {
  local name=$1 size=$2
  shift 2
  local big=$((size * scale))
  local factor
  factor=$(awk -v b="$big" 'BEGIN { printf "%.4f", b / 128 }')
  convert -size "${big}x${big}" xc:none -affine "$factor,0,0,$factor,0,0" "$@" \
    -filter Box -resize "${size}x${size}" \
    -channel A -threshold 50% +channel -background magenta -flatten "$work/$name$size.png"
}

gear_outline() {
  local points=() tooth
  for tooth in 0 45 90 135 180 225 270 315; do
    points+=("$(polar 64 64 58 $((tooth - 9)))" "$(polar 64 64 58 $((tooth + 9)))"
             "$(polar 64 64 44 $((tooth + 15)))" "$(polar 64 64 44 $((tooth + 30)))")
  done
  echo "polygon ${points[*]}"
}

icon_files=()
for size in 16 20 24 32 48; do
  icon_image "$size"
  icon_files+=("$work/icon$size.png")
done
convert "${icon_files[@]}" "$out/ostrevin.ico"

for size in 16 24 32; do
  picture exit "$size" \
    -fill '#a86c32' -stroke '#4a2e12' -strokewidth 8 -draw "rectangle 12,6 76,122" \
    -fill '#f0d070' -stroke '#4a2e12' -strokewidth 4 -draw "circle 28,68 28,60" \
    -fill '#1fa32b' -stroke '#0e5c15' -strokewidth 6 \
    -draw "polygon 54,52 90,52 90,28 124,64 90,100 90,76 54,76"
  picture start "$size" \
    -fill '#1fa32b' -stroke '#0e5c15' -strokewidth 8 -draw "polygon 30,10 114,64 30,118"
  picture options "$size" \
    -fill '#8c8c8c' -stroke '#454545' -strokewidth 7 -draw "$(gear_outline)" \
    -fill magenta -draw "circle 64,64 64,46"
  picture stop "$size" \
    -fill '#e0241b' -stroke '#7a0f0a' -strokewidth 8 -draw "circle 64,64 64,14"
  convert "$work/exit$size.png" "$work/start$size.png" "$work/options$size.png" \
    "$work/stop$size.png" +append -alpha off -type TrueColor "BMP3:$work/toolbar$size.bmp"
  # A strip has fewer than 256 colours once written: a palette keeps every one
  # of them exactly, at a third of the size in the program file.
  convert "$work/toolbar$size.bmp" +dither -colors 256 -compress None "BMP3:$out/toolbar$size.bmp"
done

echo "wrote $out/ostrevin.ico and $out/toolbar16.bmp, toolbar24.bmp, toolbar32.bmp"
