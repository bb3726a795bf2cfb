#!/usr/bin/env bash
# Starts the game on a private X server from a folder that holds none of its data, waits for
# the window, photographs it and checks what a player sees after the table is reset.
# Usage: window_test.sh <nablo executable> <folder for the screenshot>
set -u
game=$1
outDir=$2
title="NABLO ver0.9"
shot="$outDir/window-reset.png"

source "$(dirname "$0")/xvfb.sh"
requireTools
startXvfb
startGame "$game"
shoot "$shot"
echo "screenshot: $shot"

name=$(xdotool getwindowname "$window")
[ "$name" = "$title" ] || fail "window title is '$name'"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 678 ] && [ "$HEIGHT" = 488 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 678x488"

# Whether the w x h region at (x, y) holds a pixel of that colour.
regionHas() {
  [ "$(countColour "$shot" "$1" "$2" "$3" "$4" "$5")" -gt 0 ]
}
expect() { # what x y colour
  local seen
  seen=$(pixel "$shot" "$2" "$3")
  [ "$seen" = "$4" ] || fail "$1 at ($2,$3) is $seen, expected $4"
}

expect "background" 272 100 "#000000"
expect "background" 300 420 "#000000"
expect "BET" 424 460 "#FFFF00"
expect "START" 560 460 "#C0C0C0"
expect "BETx10" 288 460 "#FFFF00"
for k in 0 1 2 3 4 5 6; do
  expect "CPAY$((k + 1))" 164 $((27 + 16 * k)) "#FF0000"
done
expect "BPAY1" 556 27 "#FF0000"
expect "pay table border" 100 24 "#000000"
expect "card board strip" 451 135 "#0000FF"
expect "empty card slot" 20 300 "#FFFFFF"

# One rank label per suit and its letter in white on the blue strip (A, 10, Q, K).
for row in 0 1 2 3; do
  y=$((129 + 16 * row))
  for x in 440 584 624 640; do
    regionHas "$x" "$y" 10 15 "#FFFFFF" || fail "no white rank letter at ($x,$y) on strip $((row + 1))"
  done
done
# The suit marks: red and cyan diamonds and stars at both ends of the strips.
regionHas 417 129 15 15 "#FF0000" || fail "no red mark left of the diamond strip"
regionHas 657 145 15 15 "#00FFFF" || fail "no cyan mark right of the spade strip"
regionHas 417 161 15 15 "#FF0000" || fail "no red mark left of the heart strip"
regionHas 657 177 15 15 "#00FFFF" || fail "no cyan mark right of the club strip"
# The caption of the placed-card counter takes three lines.
for line in 0 1 2; do
  regionHas 9 $((146 + 16 * line)) 100 14 "#FFFFFF" || fail "no text on line $((line + 1)) of the card counter label"
done
regionHas 20 424 100 17 "#FFFF00" || fail "no yellow CREDITS caption"
regionHas 10 450 100 38 "#FFFFFF" || fail "no white amount of credits"

if [ -s "$work/game.err" ]; then
  fail "the game printed on stderr:"
  cat "$work/game.err"
fi
kill -0 "$gamePid" 2>/dev/null || fail "the game is no longer running"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; screenshot: $shot"
  exit 1
fi
echo "ok: window checks passed"
