#!/usr/bin/env bash
# Two whole games with the real mouse: stake ten units, place a playable card while there is
# one (read off the yellow SELECTABLE captions), meet the end-of-game box, check that the table
# behind it takes no click, go on with Yes into a table ready for the next stake, then play a
# second game and stop with No: the program ends with status 0.
# Usage: game_test.sh <nablo> <captionshot> <folder for the screenshots>
set -u
game=$1
captionshot=$2
midShot="$3/window-game-mid.png"
endShot="$3/window-game-over.png"

source "$(dirname "$0")/xvfb.sh"
requireTools
rm -f "$midShot" "$endShot"
startXvfb
startGame "$game"

clickControl RepertBet
playToTheEnd "$midShot" || finish
echo "first game: $placed cards placed"
echo "screenshot: $midShot"
expectCaptions "$midShot" TEN=$shotPlaced COINS=90

# The box over the table, as the player sees the screen.
shootScreen "$endShot"
shoot "$work/behind.png"

# The table takes no click while the box is open: click every control the box does not cover.
eval "$(xdotool getwindowgeometry --shell "$box")"
boxLeft=$X boxTop=$Y boxRight=$((X + WIDTH)) boxBottom=$((Y + HEIGHT))
for name in CARD1 CARD2 CARD3 CARD4 CARD5 BET RepertBet START; do
  x=$((geoX[$name] + geoW[$name] / 2)) y=$((geoY[$name] + geoH[$name] / 2))
  [ "$x" -ge "$boxLeft" ] && [ "$x" -lt "$boxRight" ] && [ "$y" -ge "$boxTop" ] && [ "$y" -lt "$boxBottom" ] &&
    continue
  clickControl "$name"
done
sleep 1
shoot "$work/behind-after.png"
sameImage "$work/behind.png" "$work/behind-after.png" || fail "the table changed under the open box"
[ "$(openBox)" = "$box" ] || fail "the box closed on a click at the table"

# Yes by the keyboard: the table is ready for the next stake, with the credits paid.
pressOnBox "$box" Return || fail "the box does not take the keyboard"
waitBoxGone 100 || fail "the box is still open after Return"
settledShot "$work/next.png" || fail "the window kept changing"
for name in CARD1 CARD2 CARD3 CARD4 CARD5; do
  [ "$(controlDiff "$work/next.png" "$work/start.png" "$name")" = 0 ] || fail "$name is not empty"
done
for name in RepertBet BET START; do
  x=$((geoX[$name] + 6)) y=$((geoY[$name] + 6))
  [ "$(pixel "$work/next.png" "$x" "$y")" = "$(pixel "$work/start.png" "$x" "$y")" ] ||
    fail "$name does not look as it does before the first stake"
done
# The credits shown with the box open stay: 90 plus the pay.
[ "$(controlDiff "$work/next.png" "$work/behind.png" COINS)" = 0 ] || fail "the credits changed after Yes"
expectCaptions "$work/next.png" TEN=0
# What the pay table promises for that many cards at ten units, when no bonus hand came up.
bonusHits=0
for k in 1 2 3 4 5; do
  showsCaption "HIT$k" 0 "$work/behind.png" || bonusHits=1
done
if [ "$bonusHits" = 0 ]; then
  pay=0
  for tier in 10:50 14:100 18:150 22:200 25:250 27:300; do
    [ "$placed" -ge "${tier%:*}" ] && pay=${tier#*:}
  done
  expectCaptions "$work/next.png" COINS=$((90 + pay)) && echo "credits after the first game: $((90 + pay))"
fi

# A second game, one unit, ended with No (N): the program ends with status 0.
clickControl BET
waitForStart
clickControl START
playToTheEnd || finish
echo "second game: $placed cards placed"
answerNoAndExpectZero "$box"

expectQuiet
finish "two games played; screenshots: $midShot $endShot"
