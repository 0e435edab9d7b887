#!/usr/bin/env bash
# Starts the program under Xvfb, clicks "Demo" and "Löse >", and saves a
# screenshot of the window.  Usage: scripts/screenshot.sh [BINARY] [OUTPUT.png]
# QT_SCALE_FACTOR in the environment scales the window (e.g. 2).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$here/build/app/vektoria}
output=${2:-$here/docs/pictures/vektoria.png}
scale=${QT_SCALE_FACTOR:-1}
# Always on a display of its own, so the window is alone and unobscured.
[[ -n "${VEKTORIA_OWN_DISPLAY:-}" ]] || VEKTORIA_OWN_DISPLAY=1 exec "$here/scripts/with-xvfb" "$0" "$@"
app=""
trap 'kill $app 2>/dev/null || true' EXIT
"$binary" &
app=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --name '^Vektoria$' 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended before its window appeared" >&2; exit 1; }
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
