#!/usr/bin/env bash
# The real game on a machine that lets it down: broken card pictures, a stray cards folder in
# the working directory, missing sounds, no sound device, the display going away, the window
# closed or destroyed with a box open. The program must tell the
# player, or play on, and must never crash or hang.
# Usage: faults_test.sh MODE <nablo> <captionshot> <closewindow> <folder for the screenshots>
set -u
mode=$1
game=$2
captionshot=$3
closewindow=$4
outDir=$5
built=$(dirname "$game") # the card pictures and sounds the build made, beside the game

source "$(dirname "$0")/../window/xvfb.sh"
requireTools

# A copy of the game alone in a folder, run from another folder: it looks for its data beside
# itself. $1 says what to put there: cards, no-cards, empty-cards, text-cards, short-cards.
copyGame() {
  local cards=$1 file
  mkdir -p "$work/game" "$work/elsewhere"
  cp "$game" "$work/game/nablo"
  cp -r "$built/wav" "$work/game/wav"
  case $cards in
  cards) cp -r "$built/cards" "$work/game/cards" ;;
  no-cards) ;;
  *)
    mkdir "$work/game/cards"
    for file in "$built"/cards/*.jpg; do
      case $cards in
      text-cards) echo "not a picture" >"$work/game/cards/${file##*/}" ;;
      short-cards) head -c 200 "$file" >"$work/game/cards/${file##*/}" ;;
      esac
    done
    ;;
  esac
}

startCopy() {
  startGame "$work/game/nablo" "$work/elsewhere"
}

# Ends the program by closing its window (or destroying it, $1 = destroy), which must end it
# with status 0.
closeAndExpectZero() {
  if [ "${1:-}" = destroy ]; then xdotool windowclose "$window"; else "$closewindow" "$window"; fi
  waitExit "$gamePid" 30
  [ "$exitStatus" = 0 ] || fail "closing the window ended the program with status $exitStatus"
  gamePid=
}

# The picture of a card cannot be read: the first deal must say which file in a box, and the
# program must end with status 1 once the box is answered.
brokenCards() {
  copyGame "$1"
  startCopy
  case $1 in no-cards | empty-cards)
    grep -q "^nablo: no folder holds the 52 card pictures" "$work/game.err" ||
      fail "the start said nothing of the missing card pictures" ;;
  esac
  clickControl RepertBet
  local box
  box=$(findWindow "NABLO ver0.9" 30) || { fail "no error box opened"; return; }
  shootScreen "$outDir/fault-$mode.png"
  kill -0 "$gamePid" 2>/dev/null || fail "the program ended before the box was answered"
  pressOnBox "$box" Return || fail "the error box does not take the keyboard"
  waitExit "$gamePid" 30
  gamePid=
  [ "$exitStatus" = 1 ] || fail "the program ended with status $exitStatus after the error, expected 1"
  # Qt's reader may add a line naming the fault, no more.
  [ "$(wc -l <"$work/game.err")" -le 2 ] || { fail "stderr:"; cat "$work/game.err"; }
}

# A short game at one unit, answered Yes, then the window closed: nothing may go wrong.
shortGame() {
  clickControl BET
  waitForStart || return
  clickControl START
  playToTheEnd || return
  pressOnBox "$box" Return || fail "the end-of-game box does not take the keyboard"
  for _ in $(seq 100); do
    openBox >/dev/null || break
    sleep 0.1
  done
  kill -0 "$gamePid" 2>/dev/null || fail "the program ended after Yes"
  expectQuiet
  closeAndExpectZero
}

# The display goes away while the game waits for a click ($1 = nothing) or with the end-of-game
# box open ($1 = box): the program must end within seconds, and not by a crash.
displayLost() {
  startXvfb
  startGame "$game"
  clickControl RepertBet
  if [ "${1:-}" = box ]; then
    playToTheEnd || return
  else
    clickControl CARD1
    sleep 1
  fi
  kill -KILL "$xvfbPid"
  wait "$xvfbPid" 2>/dev/null
  xvfbPid=
  waitExit "$gamePid" 20
  gamePid=
  case $exitStatus in
  hang) fail "the program kept running without its display${1:+ (box open)}" ;;
  13[0-9] | 1[4-9][0-9] | 2[0-9][0-9]) fail "the program died of signal $((exitStatus - 128)) without its display" ;;
  *) echo "without its display${1:+ (box open)} the program ended with status $exitStatus: $(head -1 "$work/game.err")" ;;
  esac
}

case $mode in
no_cards | empty_cards | text_cards | short_cards)
  startXvfb
  brokenCards "${mode/_/-}"
  ;;
no_wav)
  startXvfb
  copyGame cards
  rm -r "$work/game/wav"
  startCopy
  shortGame
  ;;
stray_cards)
  # An empty cards/ in the working directory: the game plays with its own data.
  startXvfb
  mkdir "$work/stray" "$work/stray/cards"
  startGame "$game" "$work/stray"
  shortGame
  ;;
missing_sounds)
  startXvfb
  copyGame cards
  rm "$work/game/wav/start.wav" "$work/game/wav/card.wav"
  startCopy
  shortGame
  ;;
no_sound_device)
  # No sound server to reach, on any machine.
  export PULSE_SERVER="unix:$work/no-sound-server" AUDIODEV=none
  startXvfb
  startGame "$game"
  shortGame
  ;;
display_lost)
  displayLost
  displayLost box
  ;;
close_with_box)
  startXvfb
  startGame "$game"
  clickControl RepertBet
  playToTheEnd || finish
  # Closing the window under its open box ends the program cleanly.
  shootScreen "$outDir/fault-$mode.png"
  "$closewindow" "$window"
  waitExit "$gamePid" 30
  gamePid=
  [ "$exitStatus" = 0 ] || fail "closing the window under a box ended the program with status $exitStatus"
  expectQuiet
  # Closing the end-of-game box itself does not answer it; No then ends the program.
  startGame "$game"
  clickControl RepertBet
  playToTheEnd || finish
  "$closewindow" "$box"
  sleep 1
  [ "$(openBox)" = "$box" ] || fail "a close request closed the end-of-game box"
  answerNoAndExpectZero "$box"
  expectQuiet
  # Destroyed under its open box by another program, the window leaves the box until it is
  # answered, and Yes then ends the program with 0.
  startGame "$game"
  clickControl RepertBet
  playToTheEnd || finish
  xdotool windowclose "$window"
  sleep 1
  box=$(openBox) || fail "the box went with the destroyed window"
  pressOnBox "$box" y || fail "the box does not take the keyboard"
  waitExit "$gamePid" 10
  gamePid=
  [ "$exitStatus" = 0 ] || fail "Yes under the destroyed window ended the program with status $exitStatus"
  expectQuiet
  # Closed or destroyed before a stake and closed in the middle of a game, the window ends the
  # program with 0.
  for how in close destroy; do
    startGame "$game"
    closeAndExpectZero "$how"
  done
  startGame "$game"
  clickControl RepertBet
  waitForDeal
  closeAndExpectZero
  ;;
*)
  echo "unknown mode $mode"
  exit 2
  ;;
esac
finish "$mode"
