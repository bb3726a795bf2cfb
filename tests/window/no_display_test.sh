#!/usr/bin/env bash
# Without any window system the game must say so in one line and exit 2, not abort in Qt.
set -u
game=$1

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" 2>"$errors" >/dev/null
status=$?

fail=0
if [ "$status" -ne 2 ]; then
  echo "FAIL: exit status $status, expected 2"
  fail=1
fi
if [ "$(wc -l <"$errors")" -ne 1 ] || ! grep -q '^nablo: no display found' "$errors"; then
  echo "FAIL: expected one line 'nablo: no display found ...' on stderr, got:"
  cat "$errors"
  fail=1
fi
[ "$fail" -eq 0 ] && echo "ok: $(cat "$errors")"
exit "$fail"
