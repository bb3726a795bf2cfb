#!/usr/bin/env bash
# Three clicks on BET and one on START with the real mouse, then what the player sees: the stake
# taken from the credits, every amount of the pay tables three units high, five cards dealt and
# marked on the card board, the betting buttons greyed and every slot playable.
# Usage: bet_start_test.sh <nablo> <captionshot> <folder for the screenshot>
set -u
game=$1
captionshot=$2
shot="$3/window-bet-start.png"

source "$(dirname "$0")/xvfb.sh"
requireTools
startXvfb
startGame "$game"
locate {D,S,H,C}{1,2,3,4,5,6,7,8,9,10,11,12,13}

for _ in 1 2 3; do
  clickControl BET
done
waitForStart
clickControl START
# A slot shows a card when it differs from the empty slot in many pixels.
dealt() {
  local k
  for k in 1 2 3 4 5; do
    [ "$(controlDiff "$1" "$work/start.png" "CARD$k")" -ge 500 ] || return 1
  done
}
for _ in $(seq 100); do
  shoot "$shot" && dealt "$shot" && break
  sleep 0.1
done
settledShot "$shot" || fail "the window kept changing"
echo "screenshot: $shot"

# Three units: 3 x (10000 30 25 20 15 10 5) and 3 x (500 100 25 5 5).
expectCaptions "$shot" COINS=97 TEN=0 \
  CPAY1=30000 CPAY2=90 CPAY3=75 CPAY4=60 CPAY5=45 CPAY6=30 CPAY7=15 \
  BPAY1=1500 BPAY2=300 BPAY3=75 BPAY4=15 BPAY5=15 HIT1=0 HIT2=0 HIT3=0 HIT4=0 HIT5=0

# Five cards, each a picture and no two alike.
dealt "$shot" || fail "a slot shows no card"
for k in 1 2 3 4 5; do
  for j in $(seq $((k + 1)) 5); do
    [ "$(pixelsDiffer "$shot" "$(geometry "CARD$k")" "$shot" "$(geometry "CARD$j")")" != 0 ] ||
      fail "slots $k and $j show the same picture"
  done
done

# The card board marks exactly the five dealt cards in yellow. Some rank labels reach into the
# next one's box; each is looked at up to where the next begins.
yellow=()
for suit in D S H C; do
  for rank in $(seq 13); do
    label=$suit$rank width=${geoW[$label]}
    if [ "$rank" -lt 13 ] && [ $((geoX[$suit$((rank + 1))] - geoX[$label])) -lt "$width" ]; then
      width=$((geoX[$suit$((rank + 1))] - geoX[$label]))
    fi
    [ "$(countColour "$shot" "${geoX[$label]}" "${geoY[$label]}" "$width" "${geoH[$label]}" "#FFFF00")" -gt 0 ] &&
      yellow+=("$label")
  done
done
[ "${#yellow[@]}" -eq 5 ] || fail "the card board shows ${#yellow[@]} cards in yellow (${yellow[*]}), expected 5"
echo "cards marked on the board: ${yellow[*]}"

# The stake can no longer change; every slot may be played first.
for name in RepertBet BET START; do
  seen=$(pixel "$shot" $((geoX[$name] + 6)) $((geoY[$name] + 6)))
  [ "$seen" = "#C0C0C0" ] || fail "$name is $seen, expected grey"
done
[ "$(playableSlots "$shot")" = "1 2 3 4 5" ] ||
  fail "SELECTABLE shows in yellow under slots '$(playableSlots "$shot")', expected all five"

expectQuiet
kill -0 "$gamePid" 2>/dev/null || fail "the game is no longer running"
finish "three units staked and five cards dealt; screenshot: $shot"
