#!/usr/bin/env bash
# Without a window system to reach (none named, a stale DISPLAY, a Wayland socket that is not
# there, a platform plugin that is missing or fails) the game must say so in one line and exit
# 2, never abort in Qt.
set -u
game=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
# Usage: expectNoDisplay <first words of the message> <env arguments...>
expectNoDisplay() {
  local words=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C XDG_RUNTIME_DIR="$work" "$@" "$game" \
    2>"$work/err" >/dev/null
  local status=$?
  if [ "$status" -ne 2 ] || [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -q "^nablo: $words" "$work/err"; then
    echo "FAIL: with $*: status $status, expected 2 and one line 'nablo: $words ...'; stderr:"
    cat "$work/err"
    fail=1
  else
    echo "ok: $*: $(cat "$work/err")"
  fi
}

expectNoDisplay "no display found"
# A display number nobody serves.
expectNoDisplay "cannot open the display" DISPLAY=:97
expectNoDisplay "cannot open the display" WAYLAND_DISPLAY=wayland-97
expectNoDisplay "cannot open the display" WAYLAND_DISPLAY=wayland-97 DISPLAY=:97 QT_QPA_PLATFORM="wayland;xcb"
# A display set that the platform asked for does not use, and platform plugins that are missing
# or cannot start.
expectNoDisplay "no display found .*DISPLAY=:97 is set" DISPLAY=:97 QT_QPA_PLATFORM=wayland
expectNoDisplay "the Qt platform plugin 'nosuch'" QT_QPA_PLATFORM=nosuch
expectNoDisplay "the Qt platform plugin 'wayland'" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=w-0 WAYLAND_SOCKET=99
exit "$fail"
