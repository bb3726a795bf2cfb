# Shared by the real-window tests: a private X server, the game on it, real clicks, screenshots
# and pixel checks. Sourced, not run; the sourcing script sets `captionshot` (the path of the
# captionshot tool) before it calls locate or expectCaptions.

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Reports the failures counted and exits with the status ctest expects.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "ok: $*"
  exit 0
}

# Exits 77 (skipped) when one of the X tools the tests drive the window with is missing.
requireTools() {
  local tool
  for tool in Xvfb xdotool import convert compare "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

# A private work folder; the processes started here are stopped when the script exits.
work=$(mktemp -d)
chmod 700 "$work"
xvfbPid=
gamePid=
cleanUp() {
  [ -n "$gamePid" ] && kill "$gamePid" 2>/dev/null
  [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanUp EXIT

# Starts Xvfb on a free display and points DISPLAY at it. There is no window manager.
startXvfb() {
  rm -f "$work/display"
  # Xvfb picks a free display itself and writes its number once it accepts connections.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
  xvfbPid=$!
  exec 3>&-
  local _
  for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if ! [ -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
  fi
  export DISPLAY=":$(head -1 "$work/display")"
  export XDG_RUNTIME_DIR="$work"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  if [ -n "${captionshot:-}" ]; then
    locate BET RepertBet START CARD{1,2,3,4,5} SEL{1,2,3,4,5} TEN COINS
  fi
}

# Starts the game ($1) in folder $2 (default: the work folder, which holds none of its data),
# waits for its window and for BET to be painted; sets gamePid and window. The game's output goes
# to $work/game.out and $work/game.err.
startGame() {
  local folder=${2:-$work}
  (cd "$folder" && exec "$1" >"$work/game.out" 2>"$work/game.err") &
  gamePid=$!
  window=
  window=$(findWindow "NABLO ver0.9" 30)
  if [ -z "$window" ]; then
    echo "FAIL: no game window appeared"
    cat "$work/game.err"
    exit 1
  fi
  local _
  for _ in $(seq 300); do
    shoot "$work/start.png" && [ "$(pixel "$work/start.png" 424 460)" = "#FFFF00" ] && return
    sleep 0.1
  done
  echo "FAIL: the window was never painted"
  exit 1
}

# The first visible window titled exactly $1, waiting up to $2 seconds (0: look once).
findWindow() {
  local _ found
  for _ in $(seq 0 $(($2 * 10))); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${window:-}" | head -1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    [ "$2" -eq 0 ] && return 1
    sleep 0.1
  done
  return 1
}

# The message box that is open over the game, if any (the error box bears the window's title).
openBox() {
  local title
  for title in "ゲームオーバー" "ＣＯＮＧＲＡＴＵＬＡＴＩＯＮ！！" "終了" "NABLO ver0.9"; do
    findWindow "$title" 0 && return 0
  done
  return 1
}

# Waits up to $1 tenths of a second for the open box to close; false when it stays open.
waitBoxGone() {
  local _
  for _ in $(seq "$1"); do
    openBox >/dev/null || return 0
    sleep 0.1
  done
  ! openBox >/dev/null
}

# Answers No on the open box $1 and expects the program to end with status 0.
answerNoAndExpectZero() {
  pressOnBox "$1" n || fail "the box does not take the keyboard"
  waitExit "$gamePid" 30
  gamePid=
  [ "$exitStatus" = 0 ] || fail "No ended the program with status $exitStatus, expected 0"
}

# Presses key $2 on the open box $1 with the real keyboard. Never `xdotool key --window` on a
# box: it closes on the press, the release then fails and the key stays down, repeating into the
# table.
pressOnBox() {
  xdotool windowfocus --sync "$1" 2>/dev/null
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && xdotool key "$2"
}

# Photographs the game window (or window $2) into $1.
shoot() {
  import -window "${2:-$window}" "$1" 2>/dev/null
}

# Keeps what the screen shows over the game window in $1.
shootScreen() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$1"
  echo "screenshot: $1"
}

# Fills geoX, geoY, geoW, geoH with where the window places the named controls.
declare -A geoX geoY geoW geoH
locate() {
  local name x y w h
  while read -r name x y w h; do
    geoX[$name]=$x geoY[$name]=$y geoW[$name]=$w geoH[$name]=$h
  done < <("$captionshot" - "$@")
}

# A real mouse click in the middle of a control of the game window.
clickControl() {
  xdotool mousemove --window "$window" $((geoX[$1] + geoW[$1] / 2)) $((geoY[$1] + geoH[$1] / 2)) \
    click 1 2>/dev/null
}

# Colour of pixel (x, y) of image $1, as #RRGGBB.
pixel() {
  convert "$1[1x1+$2+$3]" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

# How many pixels of the w x h region at (x, y) of image $1 have colour $6 (#RRGGBB).
countColour() {
  convert "$1[$4x$5+$2+$3]" -depth 8 txt:- | grep -c "$6"
}

# How many pixels of control $2 in image $1 have colour $3.
controlColour() {
  convert "$1[$(geometry "$2")]" -depth 8 txt:- | grep -c "$3"
}

# The region of control $1 in ImageMagick's notation, WxH+X+Y.
geometry() {
  echo "${geoW[$1]}x${geoH[$1]}+${geoX[$1]}+${geoY[$1]}"
}

# How many pixels differ between region $2 of image $1 and region $4 of image $3 (same size).
pixelsDiffer() {
  compare -metric AE "$1[$2]" "$3[$4]" null: 2>&1 | cut -d' ' -f1
}

# How many pixels of control $3 differ between images $1 and $2.
controlDiff() {
  pixelsDiffer "$1" "$(geometry "$3")" "$2" "$(geometry "$3")"
}

# Whether images $1 and $2 are the same to the pixel.
sameImage() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}

# Checks that screenshot $1 shows each NAME=CAPTION exactly as the game draws that caption in
# the control's design colours; returns 1 when one differs.
expectCaptions() {
  local shot=$1 ok=0 name x y w h
  shift
  while read -r name x y w h; do
    local caption
    for caption in "$@"; do
      [ "${caption%%=*}" = "$name" ] && break
    done
    if [ "$(pixelsDiffer "$shot" "${w}x$h+$x+$y" "$work/captions.png" "${w}x$h+$x+$y")" != 0 ]; then
      fail "$name does not show '${caption#*=}'"
      ok=1
    fi
  done < <("$captionshot" "$work/captions.png" "$@")
  return $ok
}

# Whether control $1 shows the caption $2 in screenshot $3, without counting a failure.
showsCaption() {
  local name x y w h
  read -r name x y w h < <("$captionshot" "$work/caption.png" "$1=$2")
  [ "$(pixelsDiffer "$3" "${w}x$h+$x+$y" "$work/caption.png" "${w}x$h+$x+$y")" = 0 ]
}

# The slots whose SELECTABLE caption shows in yellow in screenshot $1, e.g. "1 4".
playableSlots() {
  local k slots=()
  for k in 1 2 3 4 5; do
    [ "$(controlColour "$1" "SEL$k" "#FFFF00")" -gt 10 ] && slots+=("$k")
  done
  echo "${slots[@]}"
}

# Photographs the game window into $1 until two shots in a row agree, so that what it shows is
# no longer being painted; gives up after about $2 seconds (default 10).
settledShot() {
  local _
  shoot "$1"
  for _ in $(seq $((${2:-10} * 5))); do
    sleep 0.2
    shoot "$work/settle.png" || return 1
    sameImage "$1" "$work/settle.png" && return 0
    cp "$work/settle.png" "$1"
  done
  return 1
}

# Waits until START turns yellow: the first unit is staked.
waitForStart() {
  local _
  for _ in $(seq 100); do
    shoot "$work/bet.png" &&
      [ "$(pixel "$work/bet.png" $((geoX[START] + 6)) $((geoY[START] + 6)))" = "#FFFF00" ] && return 0
    sleep 0.1
  done
  fail "START never took the stake"
  return 1
}

# Waits for the deal, which shows a moment after the click that started the game.
waitForDeal() {
  local _
  for _ in $(seq 200); do
    shoot "$work/deal.png" && [ -n "$(playableSlots "$work/deal.png")" ] && return 0
    sleep 0.1
  done
  fail "no card was dealt"
  return 1
}

# Places the first playable card (read off the yellow SELECTABLE captions) until the
# end-of-game box opens; sets placed and box. Keeps a screenshot in $1 after the third card, or
# the last before the end of a shorter game, and the cards it shows placed in shotPlaced.
playToTheEnd() {
  local shot=$work/play.png slots
  placed=0
  box=
  waitForDeal || return 1
  while [ -z "$box" ]; do
    settledShot "$shot" || { fail "the window kept changing"; return 1; }
    if [ "$placed" -le 3 ] && [ -n "${1:-}" ]; then
      cp "$shot" "$1"
      shotPlaced=$placed
    fi
    slots=$(playableSlots "$shot")
    if [ -z "$slots" ]; then
      box=$(findWindow "ゲームオーバー" 20) || { fail "nothing is playable but no box opened"; return 1; }
      break
    fi
    # Every playable card can go: take the first one.
    clickControl "CARD${slots%% *}"
    placed=$((placed + 1))
    # Either the counter moves on or the game ends in a box.
    for _ in $(seq 200); do
      box=$(openBox) && break
      shoot "$work/now.png" && [ "$(controlDiff "$work/now.png" "$shot" TEN)" != 0 ] && break
      sleep 0.1
    done
    [ "$placed" -le 120 ] || { fail "more than 120 cards placed in one game"; return 1; }
  done
  [ "$(xdotool getwindowname "$box")" = "ゲームオーバー" ] ||
    fail "the box that opened is '$(xdotool getwindowname "$box")'"
}

# Waits up to $2 seconds for process $1 (a child of this shell) to end; sets exitStatus to its
# exit status, or to "hang" when it is still running.
waitExit() {
  local _
  exitStatus=hang
  for _ in $(seq $(($2 * 10))); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      exitStatus=$?
      return
    fi
    sleep 0.1
  done
}

# Fails when the game wrote anything on standard error.
expectQuiet() {
  if [ -s "$work/game.err" ]; then
    fail "the game printed on stderr:"
    head -20 "$work/game.err"
  fi
}
