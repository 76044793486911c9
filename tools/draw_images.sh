#!/usr/bin/env bash
# Draws Binora's icons (the arithmetic window's too) and the Info bitmap with ImageMagick and writes them as XPM rows into
# src/resources/program_images.cpp, which decodes them when the program is compiled. Run it
# after changing a drawing; the output is committed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# 112: application icon, 16 colours: a blue tile with the bits "01" and a binary point.
convert -size 32x32 xc:none -fill '#1f4e9c' -draw 'roundrectangle 1,1 30,30 5,5' \
  -fill white -font DejaVu-Sans-Mono-Bold -pointsize 17 -gravity center -annotate +0-1 '01' \
  -fill '#ffd23f' -draw 'rectangle 4,25 27,27' +dither -colors 16 app_small.xpm
# 122: the arithmetic window's icon, 16 colours: the application tile with a yellow "+" over
# a white "-", the signs of an operation, where the bits stand.
convert -size 32x32 xc:none -fill '#1f4e9c' -draw 'roundrectangle 1,1 30,30 5,5' \
  -fill '#ffd23f' -draw 'rectangle 14,5 17,18' -draw 'rectangle 9,10 22,13' \
  -fill white -draw 'rectangle 9,21 22,24' +dither -colors 16 arith_small.xpm
# 110 and 109: question marks of the two help buttons (parameters: green, representation: blue).
for spec in 'help_param:#2e8b57' 'help_repr:#1f4e9c'; do
  name=${spec%%:*} colour=${spec#*:}
  convert -size 32x32 xc:none -fill "$colour" -draw 'circle 15.5,15.5 15.5,1' \
    -fill white -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0+1 '?' \
    +dither -colors 32 "$name.xpm"
done
# 104: About icon: the application tile, larger bits.
convert -size 32x32 xc:none -fill '#1f4e9c' -draw 'roundrectangle 0,0 31,31 6,6' \
  -fill white -font DejaVu-Sans-Bold -pointsize 20 -gravity center -annotate +0+0 'B' \
  -fill '#ffd23f' -draw 'rectangle 5,26 26,28' +dither -colors 16 about.xpm
# 113: the number line: X-, X, X+ and the spacings ulp(x-), ulp(x) between them.
convert -size 132x50 xc:white +antialias -stroke black -strokewidth 1 -draw 'line 4,24 127,24' \
  -draw 'line 124,21 127,24' -draw 'line 124,27 127,24' \
  -stroke black -draw 'line 22,19 22,29' -stroke '#0000c0' -draw 'line 64,19 64,29' \
  -stroke '#c00000' -draw 'line 108,19 108,29' -stroke none \
  -font DejaVu-Sans -pointsize 10 \
  -fill black -annotate +15+15 'X-' -fill '#0000c0' -annotate +61+15 'X' \
  -fill '#c00000' -annotate +101+15 'X+' \
  -stroke '#606060' -draw 'line 23,33 63,33' -draw 'line 65,33 107,33' -stroke none \
  -fill black -pointsize 9 -annotate +25+45 'ulp(x-)' -annotate +72+45 'ulp(x)' \
  +dither -colors 16 info_line.xpm

emit() { # emit NAME FILE: the XPM rows as a C++ array
  echo "constexpr const char* $1[] = {"
  sed -n '/^"/p' "$2" | sed 's/,$//; s/^/    /; s/$/,/'
  echo "};"
}
out="$top/src/resources/program_images.cpp"
{
  echo "// Binora's icons and the Info bitmap, drawn by tools/draw_images.sh as XPM rows and decoded"
  echo "// into indexed images when the program is compiled."
  echo
  echo '#include "resources/program_images.hpp"'
  echo
  echo '#include "resources/resource.hpp"'
  echo '#include "resources/xpm_pixels.hpp"'
  echo
  echo "namespace binora {"
  echo
  echo "namespace {"
  echo
  echo "// clang-format off"
  emit app_small_xpm app_small.xpm
  echo
  emit arith_small_xpm arith_small.xpm
  echo
  emit help_param_xpm help_param.xpm
  echo
  emit help_repr_xpm help_repr.xpm
  echo
  emit about_xpm about.xpm
  echo
  emit info_line_xpm info_line.xpm
  echo "// clang-format on"
  echo
  echo "constexpr auto app_small = decode_xpm<32, 32>(app_small_xpm);"
  echo "constexpr auto arith_small = decode_xpm<32, 32>(arith_small_xpm);"
  echo "constexpr auto help_param = decode_xpm<32, 32>(help_param_xpm);"
  echo "constexpr auto help_repr = decode_xpm<32, 32>(help_repr_xpm);"
  echo "constexpr auto about = decode_xpm<32, 32>(about_xpm);"
  echo "constexpr auto info_line = decode_xpm<132, 50>(info_line_xpm);"
  echo
  echo "template <int WIDTH, int HEIGHT>"
  echo "constexpr ImageResource resource(int id, const XpmPixels<WIDTH, HEIGHT>& image) {"
  echo "    return {id, WIDTH, HEIGHT, image.indices.data(), image.palette.data(), image.colours};"
  echo "}"
  echo
  echo "} // namespace"
  echo
  echo "const std::array<ImageResource, 6>& program_images() {"
  echo "    static constexpr std::array<ImageResource, 6> images{{"
  echo "        resource(IDI_APP_SMALL, app_small),"
  echo "        resource(IDI_ARITH_SMALL, arith_small),"
  echo "        resource(IDI_HELP_PARAM, help_param),"
  echo "        resource(IDI_HELP_REPR, help_repr),"
  echo "        resource(IDI_ABOUT, about),"
  echo "        resource(IDB_INFO_LINE, info_line),"
  echo "    }};"
  echo "    return images;"
  echo "}"
  echo
  echo "} // namespace binora"
} >"$out"
for f in *.xpm; do convert "$f" "$top/build-images-${f%.xpm}.png" 2>/dev/null || true; done
echo "wrote $out"
