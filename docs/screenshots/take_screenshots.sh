#!/usr/bin/env bash
# Takes the screenshots of the main window at scale factor 1 and 2 (0.1 in binary32, the
# English interface, the significand field clicked, X+ selected) and of the Info and Summary
# dialogs, and the summary beside the main window, on a virtual X server. Needs xvfb,
# imagemagick and xdotool, and openbox for window frames (not needed to build or test).
# Usage: take_screenshots.sh BUILD_DIR
set -euo pipefail
binora=$(cd "$1" && pwd)/src/app/binora
out=$(cd "$(dirname "$0")" && pwd)
display=:${BINORA_SCREENSHOT_DISPLAY:-93}

Xvfb "$display" -screen 0 1800x1400x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
export DISPLAY=$display
sleep 1
# A window manager frames the windows, as on a desktop, when one is installed (openbox).
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  sleep 1
fi

# click WINDOW X Y: a click at dialog units X, Y of the main dialog (428 x 318 units).
click() {
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$1" $(($2 * WIDTH / 428)) $(($3 * HEIGHT / 318)) click 1
  sleep 0.5
}

window_named() {
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && {
      echo "$id"
      return
    }
    sleep 0.1
  done
  echo "no window named $1" >&2
  exit 1
}

shoot_main() { # shoot_main SCALE FILE [INFO_FILE SUMMARY_FILE BESIDE_FILE]
  QT_SCALE_FACTOR=$1 "$binora" &
  local app=$! main
  main=$(window_named '^Binora')
  click "$main" 229 12                               # EN
  click "$main" 100 45                               # the value X
  xdotool key ctrl+a type --delay 50 0.1
  click "$main" 120 144                              # the binary32 significand
  click "$main" 240 81                               # the parameter list: X+
  xdotool key Down Down Down
  sleep 0.5
  import -window "$main" "$out/$2"
  if [ $# -gt 2 ]; then
    click "$main" 311 85                             # "?" of the parameters: Info
    import -window "$(window_named '^Info$')" "$out/$3"
    xdotool key Escape
    sleep 0.5
    click "$main" 400 147                            # "?" of the representation: Summary
    import -window "$(window_named 'Summary')" "$out/$4"
    # The whole screen, trimmed to the two windows: the summary opens beside the main window.
    import -window root -trim +repage "$out/$5"
  fi
  kill "$app"
  wait "$app" 2>/dev/null || true
}

shoot_main 1 main_window_scale1.png info_en.png summary_en.png summary_beside_main.png
shoot_main 2 main_window_scale2.png
echo "screenshots written to $out"
