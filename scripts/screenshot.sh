#!/usr/bin/env bash
# Starts the program under Xvfb, clicks "Demo" and "Löse >", and saves a
# screenshot of the window.  Usage: scripts/screenshot.sh [BINARY] [OUTPUT.png]
# QT_SCALE_FACTOR in the environment scales the window (e.g. 2).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$here/build/app/vektoria}
output=${2:-$here/docs/pictures/vektoria.png}
scale=${QT_SCALE_FACTOR:-1}
# A display nobody holds: a lock left by an ended server blocks its number.
number=90
while [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; do number=$((number + 1)); done
display=:$number
app=""
Xvfb "$display" -screen 0 1400x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
ready=""
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && { ready=1; break; }; sleep 0.1; done
[[ -n "$ready" ]] || { echo "Xvfb did not start on $display" >&2; exit 1; }
"$binary" &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Vektoria$' 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "window did not appear" >&2; exit 1; }
sleep 0.5
echo "window title: $(xprop -id "$window" _NET_WM_NAME)"
echo "window class: $(xprop -id "$window" WM_CLASS)"
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
# Demo at (96+40, 224+8), Solve at (520+20, 128+12), in window pixels.
click() { xdotool mousemove --window "$window" "$(( $1 * scale ))" "$(( $2 * scale ))" click 1; sleep 0.3; }
click 136 232
click 540 140
import -window "$window" "$output"
echo "saved $output"
