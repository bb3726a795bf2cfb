#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what lands there: exactly the game, its
# data, the manual page, the launcher, the icons, the metainfo, the copyright file and the
# changelog, and that the desktop's
# own validators accept the launcher and the metainfo as installed.
# Usage: install_tree_test.sh <cmake> <build folder> <version> <application id>
set -u
cmake=$1
build=$2
version=$3
id=$4

for tool in desktop-file-validate appstreamcli file; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  echo "FAIL: cmake --install failed"
  cat "$work/install.log"
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Every file that belongs in the prefix, and nothing else.
{
  echo games/nablo
  for suit in d s h c; do
    for rank in $(seq 13); do echo "share/games/nablo/cards/$suit$rank.jpg"; done
  done
  for sound in bet start card bonus twice bonus2; do echo "share/games/nablo/wav/$sound.wav"; done
  for size in 16 24 32 48 64 128; do echo "share/games/nablo/icons/nablo-$size.png"; done
  echo share/games/nablo/icons/nablo.png
  echo share/man/man6/nablo.6.gz
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo share/doc/nablo/copyright
  echo share/doc/nablo/changelog.gz
} | sort >"$work/expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed"
if ! diff "$work/expected" "$work/installed" >"$work/diff"; then
  fail "installed files differ from the expected ones (< missing, > unexpected):"
  grep '^[<>]' "$work/diff"
fi

[ -x "$prefix/games/nablo" ] || fail "games/nablo is not executable"

for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ -f "$icon" ] || continue
  kind=$(file -b "$icon")
  case "$kind" in
    "PNG image data, $size x $size, 8-bit/color RGBA"*) ;;
    *) fail "$size px icon is '$kind'" ;;
  esac
done
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
if [ -f "$svg" ]; then
  grep -q '<svg' "$svg" && grep -q 'viewBox="0 0 256 256"' "$svg" ||
    fail "scalable icon is not a 256 x 256 SVG drawing"
  [ "$(grep -c '<path' "$svg")" -ge 3 ] || fail "scalable icon has fewer paths than its three cards"
fi

desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || {
    fail "desktop-file-validate rejects the launcher:"
    cat "$work/desktop.log"
  }
  entry() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(entry Name)" = NABLO ] || fail "launcher Name is '$(entry Name)'"
  [ "$(entry Icon)" = "$id" ] || fail "launcher Icon is '$(entry Icon)', expected the installed icon $id"
  [ -x "$prefix/games/$(entry Exec)" ] || fail "launcher Exec '$(entry Exec)' is not an installed program"
  [ "$(entry Terminal)" = false ] || fail "launcher opens a terminal"
fi

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 || {
    fail "appstreamcli rejects the metainfo:"
    cat "$work/metainfo.log"
  }
  # The installed tree as a software centre reads it: the metainfo and the launcher it names.
  appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 || {
    fail "appstreamcli rejects the installed tree:"
    cat "$work/tree.log"
  }
  grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "metainfo's newest release is '$newest', the program is $version"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "ok: installed tree checks passed"
