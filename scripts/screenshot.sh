#!/bin/sh
# Makes the README's screenshot: starts the calculator under a private Xvfb
# display, goes past the splash window, types the example loan (1000 over 3
# months at 12%), presses Calculate and saves the main window as a PNG.
#
#   scripts/screenshot.sh [output.png] [path/to/quillmere-loan-calculator]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../docs/main-window.png}
app=${2:-$here/../build/app/quillmere-loan-calculator}
display=:93

sh "$here/install-deps.sh" "$here/screenshot-packages.txt"
[ -x "$app" ] || { echo "build the program first (make build)" >&2; exit 1; }

Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app_pid $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

LANG=en_US.UTF-8 "$app" >/dev/null 2>&1 &
app_pid=$!
sleep 1.5
xdotool key Return                   # a key press hands over from the splash window
sleep 1
window=$(xdotool search --name "^Quillmere Loan Calculator$" | tail -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 12)) $((Y + 34)) click 1   # the frame caption: keyboard focus to the window
sleep 0.3
xdotool type --delay 20 1000; xdotool key Tab
xdotool type --delay 20 3;    xdotool key Tab
xdotool type --delay 20 12;   xdotool key alt+c
sleep 1
xdotool mousemove 0 0
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out ($(wc -c < "$out") bytes)"
