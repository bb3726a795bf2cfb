#!/usr/bin/env bash
# The end-of-game box under a real window manager (openbox): a game played to its end with the
# real mouse, then where the box opened (it must hide neither the card counter nor the two pay
# tables), whether the window manager lets the box or the window be maximized (it must not),
# that neither Esc nor the close request on the question ends it or the program, that the
# question shows again when its window is destroyed or unmapped from outside and waits for the
# table when minimised with it. Yes then goes on to the next stake.
# Usage: box_test.sh <nablo> <captionshot> <closewindow> <folder for the screenshot>
set -u
game=$1
captionshot=$2
closewindow=$3
shot="$4/window-box.png"

source "$(dirname "$0")/xvfb.sh"
requireTools openbox xprop
startXvfb
openbox --sm-disable >"$work/openbox.log" 2>&1 &
openboxPid=$!
trap 'kill "$openboxPid" 2>/dev/null; cleanUp' EXIT
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
locate TEN Label10 Label1 CPAY7 Label11 HIT5
startGame "$game"

clickControl RepertBet
playToTheEnd || finish
echo "game: $placed cards placed"
sleep 0.5
import -window root "$shot"
echo "screenshot: $shot"

# Where window $1 lies on the screen, as X Y WIDTH HEIGHT; xwininfo, as xdotool counts the
# window manager's frame twice.
placeOf() {
  xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
    /^ *Width/ {w = $2} /^ *Height/ {h = $2} END {print x + 0, y + 0, w + 0, h + 0}'
}
# The box with the frame the window manager draws around it, and the window's inside.
read -r X Y WIDTH HEIGHT < <(placeOf "$box")
IFS=, read -r left right top bottom < <(xprop -id "$box" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
boxLeft=$((X - left)) boxTop=$((Y - top)) boxRight=$((X + WIDTH + right)) boxBottom=$((Y + HEIGHT + bottom))
read -r X Y WIDTH HEIGHT < <(placeOf "$window")
echo "box frame: ($boxLeft,$boxTop)-($boxRight,$boxBottom); window at ($X,$Y)"
# Regions of the window the box must leave free: the counter with its caption, the card-count
# pay table (Label1 .. CPAY7) and the bonus pay table (Label11 .. HIT5).
for region in "Label10 TEN" "Label1 CPAY7" "Label11 HIT5"; do
  read -r first last <<<"$region"
  left=$((X + geoX[$first])) top=$((Y + geoY[$first]))
  right=$((X + geoX[$last] + geoW[$last])) bottom=$((Y + geoY[$last] + geoH[$last]))
  [ "$boxRight" -le "$left" ] || [ "$boxLeft" -ge "$right" ] || [ "$boxBottom" -le "$top" ] ||
    [ "$boxTop" -ge "$bottom" ] || fail "the box covers $first .. $last"
done

allowed() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
allowed "$box" | grep -q MAXIMIZE && fail "the box can be maximized"
allowed "$window" | grep -q MAXIMIZE && fail "the window can be maximized"

# Neither Esc nor the window manager's close request answers the question.
pressOnBox "$box" Escape || fail "the box does not take the keyboard"
"$closewindow" "$box"
sleep 1
kill -0 "$gamePid" 2>/dev/null || fail "the program ended on Esc or a close request on the box"
[ "$(openBox)" = "$box" ] || fail "the box closed on Esc or a close request"

# A question whose window another program destroys or unmaps shows again within a second.
for how in windowclose windowunmap; do
  xdotool "$how" "$box"
  box=$(findWindow "ゲームオーバー" 2) || fail "the question did not show again after $how"
done
# Minimised with the table, it stays away until the table is restored.
xdotool windowminimize --sync "$window"
sleep 1.5
openBox >/dev/null && fail "the box showed while the table was minimised"
xdotool windowactivate "$window"
box=$(findWindow "ゲームオーバー" 2) || fail "the box did not come back with the table"

# Yes goes on to the next game; closing the window then ends the program with status 0.
pressOnBox "$box" y || fail "the box does not take the keyboard"
waitBoxGone 50 || fail "the box is still open after Y"
kill -0 "$gamePid" 2>/dev/null || fail "the program ended after Yes"
"$closewindow" "$window"
waitExit "$gamePid" 20
gamePid=
[ "$exitStatus" = 0 ] || fail "closing the window ended the program with status $exitStatus"
expectQuiet
finish "the box opened below the counter and the pay tables and took only an answer; screenshot: $shot"
