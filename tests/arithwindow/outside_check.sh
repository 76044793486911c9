#!/usr/bin/env bash
# The arithmetic window checked from outside, as a user and a screen reader meet it: the
# program runs on a private X server (Xvfb) with its accessibility bridge on, a session bus
# carries the accessibility bus, real X key events type 0.1, Tab and 0.2 (xdotool), and the
# texts are read back through the accessibility tree (AT-SPI, read_tree.py): the result's word
# 3FD3333333333334, the flag inexact checked and the others not, the exact result and the
# number line's description, in English and in Romanian (the window started with LANG set to
# each). Skipped, with the reason, only where a tool it needs is not installed (Debian: xvfb,
# xdotool, dbus-daemon, at-spi2-core, python3-pyatspi; test.sh installs them).
# Usage: outside_check.sh BINORA_ARITH
set -euo pipefail
app=$1
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "SKIPPED: $*"
  exit 77
}
for tool in Xvfb xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus (at-spi2-core) is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display no other X server holds. The server stays as it is when its last client leaves
# (-noreset): while it resets, the next program could not connect.
display=
for n in $(seq 140 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=:$n
    break
  fi
done
[ -n "$display" ] || { echo "FAIL: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

# One language: start the window with LANG, type the case with X key events, read the tree.
check_language() { # LANG EXPECTATIONS_NAME
  LANG=$1 LC_ALL= LC_MESSAGES= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    "$app" >"$work/app.log" 2>&1 &
  local pid=$! window=
  pids+=("$pid")
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Binora' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || {
    echo "FAIL: no window named Binora ($1): $(cat "$work/app.log"); X server: $(cat "$work/xvfb.log")" >&2
    return 1
  }
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  sleep 0.5
  xdotool type --delay 60 0.1
  xdotool key Tab
  xdotool type --delay 60 0.2
  sleep 1
  local status=0
  /usr/bin/python3 "$here/read_tree.py" "$2" || status=1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $status
}

export -f check_language
export app here work
# The session bus starts the accessibility bus when the program asks for it.
dbus-run-session -- bash -c 'check_language en_US.UTF-8 english && check_language ro_RO.UTF-8 romanian'
echo "all checks passed"
