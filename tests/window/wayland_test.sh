#!/usr/bin/env bash
# The game as a native Wayland client: a headless Weston compositor (CPU renderer), the game
# started with only WAYLAND_DISPLAY set, and a screenshot of the compositor's output that must
# show the window drawn: the yellow BETx10 and BET buttons on the black table.
# Usage: wayland_test.sh <nablo> <folder for the screenshot>
set -u
game=$1
shot="$2/wayland-window.png"

for tool in weston weston-screenshooter convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
work=$(mktemp -d)
chmod 700 "$work"
westonPid=
gamePid=
trap 'kill $gamePid $westonPid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-nablo
unset DISPLAY QT_QPA_PLATFORM
# --debug lets the screenshot client in.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --no-config \
  --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug >"$work/weston.log" 2>&1 &
westonPid=$!
for _ in $(seq 100); do
  [ -S "$work/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$work/$WAYLAND_DISPLAY" ] || { echo "FAIL: weston did not start"; cat "$work/weston.log"; exit 1; }

(cd "$work" && exec "$game" >"$work/game.out" 2>"$work/game.err") &
gamePid=$!

# The window is drawn when both betting buttons show in yellow: some 7000 pixels.
yellow=0
for _ in $(seq 60); do
  sleep 0.5
  kill -0 "$gamePid" 2>/dev/null || break
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && weston-screenshooter >/dev/null 2>&1)
  found=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -1)
  [ -n "$found" ] || continue
  cp "$found" "$shot"
  yellow=$(convert "$shot" -fill black +opaque '#FFFF00' -fill white -opaque '#FFFF00' \
    -colorspace gray -format '%[fx:round(mean*w*h)]' info:)
  [ "$yellow" -ge 5000 ] && break
done
failures=0
kill -0 "$gamePid" 2>/dev/null || { echo "FAIL: the game ended"; cat "$work/game.err"; failures=1; }
[ "$yellow" -ge 5000 ] || { echo "FAIL: the window was not drawn ($yellow yellow pixels)"; failures=1; }
if [ -s "$work/game.err" ]; then
  echo "FAIL: the game printed on stderr:"
  head -20 "$work/game.err"
  failures=1
fi
echo "screenshot: $shot"
[ "$failures" -eq 0 ] && echo "ok: the window is drawn under Weston ($yellow yellow pixels)"
exit "$failures"
