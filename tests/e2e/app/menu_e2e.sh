#!/usr/bin/env bash
# The real program on a real X server: the menu window appears with its
# caption and size, and a screenshot of it is left in the build folder.
# Usage: menu_e2e.sh PROGRAM SCREENSHOT
set -euo pipefail
program=$1
shot=$2
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A program folder of our own, so the settings written at exit stay here.
unset QT_QPA_PLATFORM
"$program" &
app=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lexaroo, Version 5.0' | head -1)
[ -n "$id" ] || { echo "FAIL: no menu window"; exit 1; }
name=$(xdotool getwindowname "$id")
eval "$(xdotool getwindowgeometry --shell "$id")"
echo "window: '$name' ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "$name" = "Lexaroo, Version 5.0 - List Name: NONE" ] || { echo "FAIL: caption '$name'"; exit 1; }
[ "$WIDTH" = 512 ] && [ "$HEIGHT" = 297 ] || { echo "FAIL: size ${WIDTH}x${HEIGHT}"; exit 1; }
# Centred on the 1280 x 1024 screen (no window manager, so no frame).
[ "$X" = $(( (1280 - 512) / 2 )) ] && [ "$Y" = $(( (1024 - 297) / 2 )) ] || { echo "FAIL: not centred"; exit 1; }
sleep 0.5
import -window root "$shot"
echo "screenshot: $shot"
kill "$app"; wait "$app" 2>/dev/null || true
app=
echo "PASS"
