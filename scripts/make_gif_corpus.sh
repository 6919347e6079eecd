#!/usr/bin/env bash
# Writes the seed corpus of the GIF scanner's fuzz target, fuzz/corpus/PictureExFuzz: real GIFs
# made with ImageMagick (still, interlaced, with a comment, animated with each disposal method,
# transparent, zero delays, local colour tables), the banner, a plain-text frame written by hand
# and two damaged files (cut in half, no trailer).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=fuzz/corpus/PictureExFuzz
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
cp ../../../res/banner.gif banner.gif
convert -size 16x12 xc:'#336699' -fill white -draw 'rectangle 2,2 8,8' still.gif
convert -size 24x16 xc:white -interlace GIF -fill black -draw 'circle 12,8 12,2' interlaced.gif
convert -size 12x12 xc:yellow -set comment 'a comment block' commented.gif
convert -delay 7 -dispose Background -size 20x20 xc:red -size 8x8 -page +6+6 xc:blue \
  -dispose Previous -delay 3 -page +2+2 xc:green -loop 0 disposal.gif
convert -delay 20 -size 30x10 xc:none -fill black -draw 'rectangle 0,0 9,9' -page +0+0 \
  \( -size 30x10 xc:none -fill red -draw 'rectangle 10,0 19,9' \) \
  \( -size 30x10 xc:none -fill blue -draw 'rectangle 20,0 29,9' \) -loop 0 transparent.gif
convert -delay 0 -size 10x10 xc:red xc:lime xc:blue -loop 3 zero-delay.gif
convert \( -size 8x8 xc:red +dither -colors 2 \) \( -size 8x8 gradient:white-black +dither -colors 16 \) \
  +map -delay 50 local-tables.gif
python3 - <<'PY'
import struct
disposal = open('disposal.gif', 'rb').read()
open('no-trailer.gif', 'wb').write(disposal[:-1])
open('truncated.gif', 'wb').write(disposal[:len(disposal) // 2])
# A plain-text extension as one frame, then an image, on a two-colour table.
g = b'GIF89a' + struct.pack('<HH', 32, 16) + bytes([0x80, 0, 0, 0, 0, 0, 255, 255, 255])
g += bytes([0x21, 0xF9, 4, 0]) + struct.pack('<H', 30) + bytes([0, 0])
g += bytes([0x21, 0x01, 12]) + struct.pack('<HHHH', 0, 0, 32, 16) + bytes([8, 16, 1, 0, 2]) + b'Hi' + bytes([0])
g += bytes([0x2C]) + struct.pack('<HHHH', 4, 4, 2, 2) + bytes([0, 2, 2, 0x4C, 0x01, 0]) + b';'
open('plain-text.gif', 'wb').write(g)
PY
ls
