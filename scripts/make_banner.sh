#!/usr/bin/env bash
# Draws the program's animated banner, res/banner.gif (425 x 87, resource 174), with ImageMagick:
# the program's name over a steel-blue ground, six section profiles of which one after another
# lights up, and a line that names what that section's calculators cover.
# Usage: scripts/make_banner.sh [OUTPUT]   (default: res/banner.gif)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-res/banner.gif}
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
[ -f "$font" ] || { echo "make_banner: $font is missing (package fonts-wqy-microhei)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Section profiles, each in a 34 x 34 cell: plate, round bar, pipe, angle, channel, I-beam.
profiles=(
  "rectangle 3,13 31,21"
  "circle 17,17 17,4"
  "circle 17,17 17,3 M"
  "polygon 5,3 11,3 11,25 31,25 31,31 5,31"
  "polygon 6,3 30,3 30,9 13,9 13,25 30,25 30,31 6,31"
  "polygon 4,3 30,3 30,8 20,8 20,26 30,26 30,31 4,31 4,26 14,26 14,8 4,8"
)
lines=(
  "钢板 · 圆钢 · 钢管  按尺寸即时计算"
  "角钢 · 槽钢 · 工字钢  型号表一选即得"
  "方管 · 焊管 · H钢 · 花纹板 · 钢丝绳"
  "六角钢 · 螺纹钢 · 冷弯型钢 · 紧固件"
  "输入框可写算式: (1500+20)×6"
  "单位制 · 小数位数 · 密度  一改全算"
)

profile_args() {  # the -draw arguments of profile $1 in its cell, lit when $2 is 1
  local shape=${profiles[$1]} x=$((262 + $1 * 27)) y=44 fill stroke
  if [ "$2" = 1 ]; then fill='#ffd76a'; stroke='#fff3c4'; else fill='#7f9cc9'; stroke='#a9c0e3'; fi
  local args=(-fill "$fill" -stroke "$stroke" -strokewidth 1)
  case $shape in
    *" M") args+=(-draw "translate $x,$y scale 0.72,0.72 circle 17,17 17,3"
                  -fill '#2d5aa0' -draw "translate $x,$y scale 0.72,0.72 circle 17,17 17,10") ;;
    *)     args+=(-draw "translate $x,$y scale 0.72,0.72 $shape") ;;
  esac
  printf '%s\0' "${args[@]}"
}

for frame in 0 1 2 3 4 5; do
  args=()
  for cell in 0 1 2 3 4 5; do
    lit=0
    [ "$cell" = "$frame" ] && lit=1
    while IFS= read -r -d '' a; do args+=("$a"); done < <(profile_args "$cell" "$lit")
  done
  convert -size 425x87 gradient:'#3f74c4-#1d3f7a' \
    -fill '#ffffff' -font "$font" -pointsize 22 -annotate +18+33 '材料重量计算助手' \
    -fill '#cfe0ff' -pointsize 11 -annotate +220+31 'v8.8' \
    -fill '#e8f0ff' -pointsize 13 -annotate +18+62 "${lines[$frame]}" \
    -fill '#9db8e6' -draw 'rectangle 18,41 200,42' \
    "${args[@]}" \
    "$work/frame$frame.png"
done

# Each frame stays 1.5 s; only the changed part of a frame is stored after the first.
convert -delay 150 "$work"/frame[0-5].png -loop 0 +dither -colors 64 -layers OptimizeFrame "$out"
identify "$out"
