#!/usr/bin/env bash
# The game's two options and its answer to any other argument, without a display, in English
# and, under a Japanese locale, in Japanese.
# Usage: commandline_test.sh <nablo executable> <version>
set -u
game=$1
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL="${locale:-C}" \
    "$game" "$@" >"$work/out" 2>"$work/err"
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

locale=ja_JP.UTF-8
run --help
expect "--help (Japanese)" '[ "$status" -eq 0 ] && head -1 "$work/out" | grep -q "^使い方: nablo" && grep -q "バージョンを表示" "$work/out"' \
  "expected the usage in Japanese"
run --x
expect "--x (Japanese)" '[ "$status" -eq 2 ] && grep -q "^nablo: 不明な引数 '"'--x'"'" "$work/err"' \
  "expected the unknown argument named in Japanese"

[ "$failures" -eq 0 ] && echo "ok: --help, --version and unknown arguments, in English and Japanese"
exit $((failures > 0))
