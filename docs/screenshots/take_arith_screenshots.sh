#!/usr/bin/env bash
# Takes the screenshots of the arithmetic window at scale factor 1 and 2, in English and in
# Romanian: 0.1, Tab, 0.2 typed into the window as it opens (binary64, addition, to nearest),
# and the lesson of the largest finite number doubled, on a virtual X server. Needs xvfb,
# imagemagick and xdotool (not needed to build or test).
# Usage: take_arith_screenshots.sh BUILD_DIR
set -euo pipefail
arith=$(cd "$1" && pwd)/src/app/binora-arith
out=$(cd "$(dirname "$0")" && pwd)
display=:${BINORA_SCREENSHOT_DISPLAY:-94}

Xvfb "$display" -screen 0 2400x2000x24 -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
export DISPLAY=$display
sleep 1

window_named() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && {
      echo "$id"
      return
    }
    sleep 0.1
  done
  echo "no window named $1" >&2
  exit 1
}

# shoot SCALE LOCALE FILE [LESSON_FILE]: 0.1 + 0.2 typed; then the overflow lesson.
shoot() {
  LANG=$2 LC_ALL= LC_MESSAGES= QT_SCALE_FACTOR=$1 "$arith" 2>>"${TMPDIR:-/tmp}/arith_screenshots.log" &
  local app=$! window
  window=$(window_named '^Binora')
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 0.5
  xdotool type --delay 80 0.1
  xdotool key Tab
  xdotool type --delay 80 0.2
  sleep 0.7
  import -window "$window" "$out/$3"
  if [ $# -gt 3 ]; then
    xdotool key alt+l
    for _ in $(seq 6); do xdotool key Down; sleep 0.1; done
    sleep 0.7
    import -window "$window" "$out/$4"
  fi
  kill "$app"
  wait "$app" 2>/dev/null || true
}

shoot 2 en_US.UTF-8 arith_window_en_scale2.png
shoot 2 ro_RO.UTF-8 arith_window_ro_scale2.png
shoot 1 en_US.UTF-8 arith_window_en.png arith_overflow_en.png
shoot 1 ro_RO.UTF-8 arith_window_ro.png
echo "screenshots written to $out"
