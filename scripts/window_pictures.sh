#!/bin/sh
# The window in the six languages at its designed size and at 1600 x 1000, as
# docs/window-<code>-<size>.png, reduced to 256 colours (undithered, which
# compresses four times better) to keep them small.
#   scripts/window_pictures.sh [BUILD_DIR]
set -e
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
user=$(mktemp -d)
trap 'rm -rf "$user"' EXIT
for size in 800x607 1600x1000; do
  for code in fr en nl pt es it; do
    out="$here/docs/window-$code-$size.png"
    rm -rf "$user/$code"
    QT_QPA_PLATFORM=offscreen SELVAKO_USER_DIR="$user/$code" \
      "$build/selvako" --lang "$code" --size "$size" --snapshot "$out"
    convert-im6.q16 "$out" +dither -colors 256 "PNG8:$out"
  done
done
