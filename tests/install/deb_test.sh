#!/usr/bin/env bash
# Makes the Debian package from the build, checks its control fields and contents, has lintian
# judge it (no error, no warning), unpacks it
# and starts the unpacked game from an unrelated folder on a private X server: it must find its
# data beside itself and deal card pictures into the five slots after BETx10.
# Usage: deb_test.sh <cpack> <build folder> <version> <application id> <folder for the screenshot>
set -u
cpack=$1
build=$2
version=$3
id=$4
outDir=$5
title="NABLO ver0.9"
shot="$outDir/deb-game.png"

# The private X server, the work folder and its clean-up are those of the real-window tests.
source "$(dirname "$0")/../window/xvfb.sh"
requireTools dpkg-deb dpkg-shlibdeps file lintian

if ! "$cpack" -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
  echo "FAIL: cpack failed"
  cat "$work/cpack.log"
  exit 1
fi
deb="$work/pkg/nablo_${version}_$(dpkg --print-architecture).deb"
if ! [ -f "$deb" ]; then
  echo "FAIL: no package $(basename "$deb"); cpack made:"
  ls "$work/pkg"
  exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = nablo ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
echo "Depends: $depends"
# The package names without their version constraints, one a line.
echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g' | sort >"$work/depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
  fonts-ipafont-gothic; do
  grep -qx "$package" "$work/depends" || fail "Depends lacks $package"
done
grep -- '-dev$' "$work/depends" && fail "Depends names development packages"

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
grep -v '^\./usr/' "$work/contents" | grep -v '^\./$' && fail "package holds files outside /usr"
for path in ./usr/games/nablo ./usr/share/games/nablo/cards/d1.jpg ./usr/share/games/nablo/wav/bet.wav \
  ./usr/share/man/man6/nablo.6.gz ./usr/share/doc/nablo/changelog.gz \
  ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/doc/nablo/copyright; do
  grep -qx "$path" "$work/contents" || fail "package lacks $path"
done
[ "$(grep -c '^\./usr/games/.' "$work/contents")" = 1 ] || fail "package installs more than the game in /usr/games"
grep '^\./usr/bin/.' "$work/contents" && fail "package installs programs in /usr/bin"

# Debian's own checker: its errors and warnings fail the test, its notes are shown.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian finds errors or warnings:"
grep -v 'running with root privileges' "$work/lintian.log"

root="$work/root"
dpkg-deb -x "$deb" "$root"
case "$(file -b "$root/usr/games/nablo")" in
  *", stripped"*) ;;
  *) fail "the packaged game is not stripped" ;;
esac

# The unpacked game on a private X server, started from an unrelated folder.
startXvfb
(cd / && exec "$root/usr/games/nablo") >"$work/game.out" 2>"$work/game.err" &
gamePid=$!

window=$(timeout 60 xdotool search --sync --name "^$title\$" 2>/dev/null | head -1)
if [ -z "$window" ]; then
  echo "FAIL: no window named '$title' appeared"
  cat "$work/game.err"
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"

# Pixels darker than light grey in the w x h region at (x, y) of the window.
inkIn() {
  convert "$shot" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage -colorspace gray \
    -threshold 80% -format '%[fx:round((1-mean)*w*h)]' info:
}
# Colour of the window pixel (x, y), as #RRGGBB.
pixel() {
  convert "$shot" -crop "1x1+$((X + $1))+$((Y + $2))" +repage -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'
}
# The five card slots inside their two-pixel frames, as "x y w h" in window coordinates; a slot
# with its frame is 121 x 185 pixels at x = (120 + 2040 (k - 1)) / 15, y = 208.
slots() {
  for k in 1 2 3 4 5; do echo "$(((120 + 2040 * (k - 1)) / 15 + 3)) 211 115 179"; done
}
photograph() { import -window root "$shot" 2>/dev/null; }

# The window is painted a moment after it is mapped: wait until the BET button shows in yellow.
painted=
for _ in $(seq 300); do
  photograph && [ "$(pixel 424 460)" = "#FFFF00" ] && { painted=1; break; }
  sleep 0.2
done
if [ -z "$painted" ]; then
  echo "FAIL: the window was not painted; screenshot: $shot"
  cat "$work/game.err"
  exit 1
fi
# Before the first game the slots are empty and white; this also shows the slot rectangles
# lie on the window, not on the black table around them.
while read -r x y w h; do
  ink=$(inkIn "$x" "$y" "$w" "$h")
  [ "$ink" -lt 20 ] || fail "slot at x=$x is not empty before the game ($ink dark pixels)"
done < <(slots)

xdotool mousemove --window "$window" 288 460 click 1

# Every card face has its corner indices, outline and pips: the ace of diamonds, the barest,
# has some 570 dark pixels at slot size, an empty slot none.
dealt=
for _ in $(seq 150); do
  sleep 0.2
  photograph || continue
  dealt=1
  while read -r x y w h; do
    [ "$(inkIn "$x" "$y" "$w" "$h")" -ge 300 ] || { dealt=; break; }
  done < <(slots)
  [ -n "$dealt" ] && break
done
if [ -z "$dealt" ]; then
  while read -r x y w h; do
    echo "slot at x=$x: $(inkIn "$x" "$y" "$w" "$h") dark pixels"
  done < <(slots)
  fail "the five slots do not show card pictures after BETx10"
fi
echo "screenshot: $shot"

kill -0 "$gamePid" 2>/dev/null || fail "the game is no longer running"
if [ -s "$work/game.err" ]; then
  echo "the game printed on stderr:"
  cat "$work/game.err"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; screenshot: $shot"
  exit 1
fi
echo "ok: package checks passed"
