#!/usr/bin/env bash
# A thousand real mouse clicks, as fast as they can be sent, at the slots and betting buttons of
# the game through several games, every box answered Yes as it comes. When the credits run out
# the program ends by itself and is started again. It must never crash, never print on stderr,
# and still answer its window's close request at the end.
# Usage: load_test.sh <nablo> <captionshot> <closewindow>
set -u
game=$1
captionshot=$2
closewindow=$3

source "$(dirname "$0")/xvfb.sh"
requireTools
startXvfb
startGame "$game"

# Answers the game's boxes Yes (or OK) in the background; the error box is left for the checks.
answerBoxes() {
  local title found
  while :; do
    for title in "ゲームオーバー" "ＣＯＮＧＲＡＴＵＬＡＴＩＯＮ！！" "終了"; do
      found=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
      [ -n "$found" ] && pressOnBox "$found" Return && echo "$title" >>"$work/answered"
    done
    sleep 0.05
  done
}
answerBoxes &
answererPid=$!
trap 'kill "$answererPid" 2>/dev/null; cleanUp' EXIT

# Ends a run of the program that stopped by itself: only running out of credits may end it.
runEnded() {
  waitExit "$gamePid" 30
  gamePid=
  runs=$((runs + 1))
  [ "$exitStatus" = 0 ] || fail "run $runs of the program ended with status $exitStatus"
  expectQuiet
}

# Mostly single units, so that the credits last.
targets=(BET BET BET BET BET BET RepertBet START START START CARD1 CARD2 CARD3 CARD4 CARD5
  CARD1 CARD2 CARD3 CARD4 CARD5 CARD1 CARD2 CARD3 CARD4 CARD5)
runs=0
sent=0
RANDOM=1
while [ "$sent" -lt 1000 ]; do
  if ! kill -0 "$gamePid" 2>/dev/null; then
    runEnded
    startGame "$game"
  fi
  # Fifty clicks in one go.
  batch=()
  for _ in $(seq 50); do
    name=${targets[RANDOM % ${#targets[@]}]}
    batch+=(mousemove --window "$window" $((geoX[$name] + geoW[$name] / 2))
      $((geoY[$name] + geoH[$name] / 2)) click --delay 0 1)
  done
  xdotool "${batch[@]}" 2>/dev/null
  sent=$((sent + 50))
done
echo "$sent clicks sent; the program ended $runs time(s) out of credits"

# Still answering: once the clicks are worked off and no box is open, closing the window ends it.
for _ in $(seq 30); do
  kill -0 "$gamePid" 2>/dev/null || break
  openBox >/dev/null || "$closewindow" "$window"
  sleep 1
done
kill "$answererPid" 2>/dev/null
if kill -0 "$gamePid" 2>/dev/null; then
  fail "the program did not close its window within 30 seconds of the last click"
else
  runEnded
fi
boxes=$(wc -l <"$work/answered" 2>/dev/null || echo 0)
[ "$boxes" -gt 0 ] || fail "no game came to its end under the clicks"
finish "$sent clicks over $runs run(s) of the program, $boxes box(es) answered"
