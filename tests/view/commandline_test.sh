#!/usr/bin/env bash
# The game's two options and its answer to any other argument, without a display.
# Usage: commandline_test.sh <nablo executable> <version>
set -u
game=$1
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$work/out" 2>"$work/err"
  status=$?
}
expect() {
  if ! eval "$2"; then
    echo "FAIL: nablo $1: $3"
    echo "  stdout: $(cat "$work/out")"
    echo "  stderr: $(cat "$work/err")"
    failures=$((failures + 1))
  fi
}

run --version
expect --version '[ "$status" -eq 0 ] && [ "$(cat "$work/out")" = "nablo $version" ] && ! [ -s "$work/err" ]' \
  "expected status 0 and 'nablo $version' alone on stdout"

run --help
expect --help '[ "$status" -eq 0 ] && head -1 "$work/out" | grep -q "^Usage: nablo" && grep -q -- --version "$work/out" && ! [ -s "$work/err" ]' \
  "expected status 0 and the usage on stdout"

for args in "--x" "-h" "--help --bogus" "extra"; do
  # shellcheck disable=SC2086
  run $args
  bad=${args##* }
  expect "$args" '[ "$status" -eq 2 ] && ! [ -s "$work/out" ] && [ "$(cat "$work/err")" = "nablo: unknown argument '"'$bad'"'; try '"'nablo --help'"'" ]' \
    "expected status 2 and one line naming '$bad' on stderr"
done

[ "$failures" -eq 0 ] && echo "ok: --help, --version and unknown arguments"
exit $((failures > 0))
