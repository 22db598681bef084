#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and writes them next to this
# script; the build uses the committed results, so only someone changing the
# art needs ImageMagick. Run it again after editing the drawing commands and
# commit the script together with what it wrote.
#   zub.ico      application icon: 16, 32 and 48 pixels, 32-bit with alpha
#   xmenu1.png   menu button, normal: a dark star, 15x15, with alpha
#   xmenu2.png   menu button, under the mouse: a yellow star, 15x14, with alpha
set -euo pipefail
cd "$(dirname "$0")"
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Pictures are drawn 16 times larger than they are used and then scaled down,
# which gives clean anti-aliased edges. Output carries no time stamps, so a
# second run writes the same bytes.
S=16
png_out=(-strip -define png:exclude-chunks=date,time -define png:color-type=6)

# The icon: a power symbol on a deep blue disc whose bar stands as a clock's
# minute hand at twelve, with a short hour hand pointing at four and a dot on
# the axis. Small sizes get thicker strokes so the symbol survives scaling.
icon() {  # size stroke-fraction-of-size out
  local n=$1 frac=$2 out=$3
  local d=$((n * S))
  awk -v d="$d" -v f="$frac" 'BEGIN {
    pi = 3.14159265; c = d / 2; w = d * f; r = d * 0.30
    print "stroke-linecap round"
    printf "fill \"#1d4f91\" stroke \"#0c2a52\" stroke-width %.1f\n", d * 0.03
    printf "circle %.1f,%.1f %.1f,%.1f\n", c, c, c, d * 0.035
    printf "fill none stroke white stroke-width %.1f\n", w
    printf "circle %.1f,%.1f %.1f,%.1f\n", c, c, c + r, c
    # The gap at the top of the ring: a wedge painted in the disc colour.
    R = r + w; printf "fill \"#1d4f91\" stroke none polygon %.1f,%.1f", c, c
    for (i = 0; i <= 6; i++) { a = (-52 - i * 76 / 6) * pi / 180; printf " %.1f,%.1f", c + R*cos(a), c + R*sin(a) }
    printf "\nfill none stroke white stroke-width %.1f\n", w
    printf "line %.1f,%.1f %.1f,%.1f\n", c, d * 0.14, c, c
    hx = c + r * 0.62 * cos(30 * pi / 180); hy = c + r * 0.62 * sin(30 * pi / 180)
    printf "stroke \"#ffd23f\" stroke-width %.1f\n", w * 0.8
    printf "line %.1f,%.1f %.1f,%.1f\n", c, c, hx, hy
    printf "fill \"#ffd23f\" stroke none\n"
    printf "circle %.1f,%.1f %.1f,%.1f\n", c, c, c + w * 0.75, c
  }' > "$tmp/icon.mvg"
  convert -size "${d}x${d}" xc:none -draw "$(cat "$tmp/icon.mvg")" \
    -filter Box -resize "${n}x${n}" "${png_out[@]}" "PNG32:$out"
}

# A five-pointed star filling a w x h box (in drawing pixels).
star_points() {  # w h
  awk -v w="$1" -v h="$2" 'BEGIN {
    pi = 3.14159265; cx = w / 2; cy = h * 0.53; ro = w * 0.49; ri = ro * 0.42
    sy = h / (ro * (1 + cos(pi / 5))) * 0.96
    for (i = 0; i < 10; i++) {
      a = -pi / 2 + i * pi / 5; r = (i % 2) ? ri : ro
      printf "%.1f,%.1f ", cx + r * cos(a), cy + r * sin(a) * sy
    }
  }'
}

star() {  # width height fill outline out
  local w=$1 h=$2 fill=$3 edge=$4 out=$5
  local W=$((w * S)) H=$((h * S))
  convert -size "${W}x${H}" xc:none -fill "$fill" -stroke "$edge" -strokewidth $((S * 3 / 2)) \
    -draw "stroke-linejoin round polygon $(star_points "$W" "$H")" \
    -filter Box -resize "${w}x${h}!" "${png_out[@]}" "PNG32:$out"
}

icon 16 0.13 "$tmp/i16.png"
icon 32 0.10 "$tmp/i32.png"
icon 48 0.09 "$tmp/i48.png"
convert "$tmp/i16.png" "$tmp/i32.png" "$tmp/i48.png" zub.ico

star 15 15 '#3a3f47' '#1b1e22' xmenu1.png
star 15 14 '#ffd21f' '#c98a00' xmenu2.png

identify zub.ico xmenu1.png xmenu2.png
