#!/usr/bin/env bash
# Starts the program under Xvfb, clicks "Demo" and "Löse >", and saves a
# screenshot of the window.  Usage: scripts/screenshot.sh [BINARY] [OUTPUT.png]
# QT_SCALE_FACTOR in the environment scales the window (e.g. 2).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$here/build/app/vektoria}
output=${2:-$here/docs/pictures/vektoria.png}
scale=${QT_SCALE_FACTOR:-1}
# Xvfb picks a free display itself and writes its number once it accepts
# connections, so neither a stale lock nor a slow start can catch us out.
work=$(mktemp -d)
app=""
Xvfb -displayfd 3 -screen 0 1400x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
number=""
for _ in $(seq 300); do
    number=$(tr -dc 0-9 <"$work/display")
    [[ -n "$number" ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [[ -z "$number" ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$number
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
