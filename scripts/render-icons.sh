#!/usr/bin/env bash
# Renders the program's icon (packaging/icons/tarvix.svg) into the PNG sizes the desktop
# installs, and the picture of three sizes in docs/. The PNGs are committed, so building and
# packaging need no renderer; run this after changing the SVG.
#   needs: rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
icons=packaging/icons
# ImageMagick's own convert, not a stand-in earlier on the PATH.
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert

for size in 16 32 48 128 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/tarvix.svg" -o "$icons/tarvix-$size.png"
  # No time stamps or other chunks that change from run to run.
  "$convert" "$icons/tarvix-$size.png" -strip "$icons/tarvix-$size.png"
done

# The 16, 32 and 128 px icons at their real size, on a light and on a dark panel, as a
# desktop shows them, each size named below it.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
font=(); [ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] && font=(-font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
for panel in 'f5f5f5 404040' '303030 d0d0d0'; do
  read -r bg fg <<<"$panel"
  "$convert" -size 240x168 "xc:#$bg" \
    "$icons/tarvix-16.png" -geometry +16+64 -composite \
    "$icons/tarvix-32.png" -geometry +52+56 -composite \
    "$icons/tarvix-128.png" -geometry +100+8 -composite \
    "${font[@]}" -pointsize 11 -fill "#$fg" \
    -annotate +10+160 '16 px' -annotate +50+160 '32 px' -annotate +144+160 '128 px' \
    "$tmp/panel-$bg.png"
done
"$convert" "$tmp/panel-f5f5f5.png" "$tmp/panel-303030.png" +append -strip docs/icon_sizes.png
