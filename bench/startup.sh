#!/usr/bin/env bash
# Start-up time measured from outside: from starting the process until the
# menu window is mapped on a private X server. Prints each run and the median.
# Usage: bench/startup.sh [PROGRAM] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/program/lexaroo}
runs=${2:-7}
display=:$((190 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM
times=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" & app=$!
  # xdotool's own --sync waits half a second between looks: poll instead.
  until xdotool search --onlyvisible --name '^Lexaroo, Version 5.0' >/dev/null 2>&1; do
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$app"; wait "$app" 2>/dev/null || true
  ms=$(( (end - start) / 1000000 ))
  times+=("$ms")
  echo "run $i: ${ms} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median start-up to menu shown: ${median} ms"
