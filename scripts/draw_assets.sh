#!/usr/bin/env bash
# Draws the program's pictures with scripts/draw_block.py: the About picture (assets/about.png)
# and the icon at every size the window icon and the desktop icon theme use
# (assets/icons/tessaform-<size>.png). They are committed, so that building needs no Python.
#
#   scripts/draw_assets.sh           draws them again into assets/
#   scripts/draw_assets.sh --check   draws them into a temporary folder and fails when any
#                                    committed picture differs from its drawing
set -euo pipefail
cd "$(dirname "$0")/.."

icon_sizes=(16 22 24 32 48 64 128 256)

draw_all() {  # draw_all OUTDIR
  mkdir -p "$1/icons"
  python3 scripts/draw_block.py 300 "$1/about.png"
  for size in "${icon_sizes[@]}"; do
    python3 scripts/draw_block.py "$size" "$1/icons/tessaform-$size.png"
  done
}

# Compares two PNG files by their header and pixel data, so that another zlib compressing the
# same pixels differently does not count as a change.
same_pixels() {
  python3 - "$1" "$2" <<'PY'
import struct, sys, zlib

def pixels(path):
    with open(path, "rb") as f:
        data = f.read()
    pos, head, idat = 8, b"", b""
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            head = body
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    return head, zlib.decompress(idat)

try:
    sys.exit(0 if pixels(sys.argv[1]) == pixels(sys.argv[2]) else 1)
except (OSError, struct.error, zlib.error):
    sys.exit(1)
PY
}

if [ "${1:-}" = "--check" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  draw_all "$out"
  status=0
  for drawn in "$out/about.png" "$out"/icons/*.png; do
    committed=assets/${drawn#"$out"/}
    if ! same_pixels "$drawn" "$committed"; then
      echo "$committed differs from its drawing: run scripts/draw_assets.sh" >&2
      status=1
    fi
  done
  [ "$status" -eq 0 ] && echo "every picture in assets/ matches its drawing"
  exit "$status"
fi

draw_all assets
