#!/bin/sh
# The window maximised by a window manager on a 1920 x 1080 screen, in the
# 2D board, as docs/window-maximised-1920x1080.png. Needs xvfb-run, openbox,
# wmctrl, xdotool and ImageMagick.
#   scripts/maximised_picture.sh [BUILD_DIR]
set -e
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$INSIDE_XVFB" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build"
fi
user=$(mktemp -d)
trap 'rm -rf "$user"' EXIT
openbox >/dev/null 2>&1 &
sleep 1
SELVAKO_USER_DIR="$user" "$build/selvako" --lang fr >/dev/null 2>&1 &
program=$!
sleep 4
window=$(xdotool search --pid "$program" --onlyvisible | head -1)
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 2
# The start screen's 2D board button, centred on the maximised window.
xdotool mousemove 670 495 click 1
sleep 3
out="$here/docs/window-maximised-1920x1080.png"
import -window root "$out"
kill "$program"
convert-im6.q16 "$out" +dither -colors 256 "PNG8:$out"
