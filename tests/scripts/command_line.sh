#!/usr/bin/env bash
# The game's command line without a display: --help and --version answer on
# standard output; every refusal is one line on standard error and exit
# code 2, before any window could open.
set -uo pipefail
: "${GAME_BINARY:?}"
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

printf '0 key down W\n3 key down Q\n' >"$work/bad.play"
mkdir "$work/empty"

# expect_refusal NAME EXPECTED-TEXT ARGUMENT...
expect_refusal() {
  local name=$1 expected=$2 err status
  shift 2
  err=$("$GAME_BINARY" "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 2 ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] || [[ "$err" != *"$expected"* ]]; then
    fail "$name: expected exit 2 and one line with '$expected', got $status: $err"
  fi
}

expect_refusal "unknown option" "Unknown option 'speed'" --speed 3
expect_refusal "size without x" "bad window size '800'" --size 800
expect_refusal "size of zero" "bad window size '0x600'" --size 0x600
expect_refusal "size too large" "bad window size '9000x600'" --size 9000x600
expect_refusal "unknown outline style" "bad outline style 'thin': expected smooth or fast" --outlines thin
expect_refusal "stray argument" "unexpected argument 'Level01'" Level01
expect_refusal "record and replay" "--record and --replay cannot be used together" --record a --replay b
expect_refusal "data without game files" "no game files in $work/empty" --data "$work/empty"
expect_refusal "bad replay line" "$work/bad.play: line 2: unknown key name 'Q'" --replay "$work/bad.play"
expect_refusal "practice of no level" "bad level '9' to practise: expected 1 to 8" --practice 9
expect_refusal "practice not a number" "bad level 'one' to practise" --practice one
expect_refusal "practice and a level file" "--practice, --level-file and --replay cannot be used together" --practice 2 --level-file x.level
expect_refusal "practice recorded" "--record cannot be used with --practice or --level-file" --practice 2 --record x.play
expect_refusal "record where nothing can be written" "cannot write $work/no/run.play" --record "$work/no/run.play"

# --check-level: nothing and exit 0 for a good file; for a bad one each
# error on a line of its own, "FILE:LINE:COLUMN: message", and exit 2.
: "${GAME_SOURCE_DIR:?}"
out=$("$GAME_BINARY" --check-level "$GAME_SOURCE_DIR/levels/data/Level08.level" 2>&1); status=$?
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "--check-level of a good file: $status $out"
out=$("$GAME_BINARY" --check-level "$GAME_SOURCE_DIR/docs/example.level" 2>&1); status=$?
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "--check-level of the documented example: $status $out"
printf 'setStartPosition (1, 1, 1)\nbox = addQuadrat (0, 0, 0) 1 1\nflipQuadrat crate\n' >"$work/bad.level"
out=$("$GAME_BINARY" --check-level "$work/bad.level" 2>&1); status=$?
expected="$work/bad.level:2:31: too few arguments: addQuadrat takes 4 arguments (origin, size x, size y, size z), found 3
$work/bad.level:3:13: 'crate' is not made yet: box must be a box named on an earlier line"
[ "$status" -eq 2 ] && [ "$out" = "$expected" ] || fail "--check-level of a bad file: $status $out"
out=$("$GAME_BINARY" --check-level "$work/none.level" 2>&1); status=$?
[ "$status" -eq 2 ] && [[ "$out" == "$work/none.level: cannot read the file"* ]] || fail "--check-level of no file: $status $out"
expect_refusal "check-level without file" "--check-level needs a non-empty value" --check-level ""

out=$("$GAME_BINARY" --version 2>&1); status=$?
[ "$status" -eq 0 ] && [[ "$out" =~ ^torchhero\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version: $status $out"
# A level file to play is checked before any window opens.
out=$("$GAME_BINARY" --data "$GAME_RUN_DIR" --level-file "$work/bad.level" 2>&1); status=$?
[ "$status" -eq 2 ] && [[ "$out" == "$work/bad.level:2:31: too few arguments"* ]] || fail "--level-file of a bad file: $status $out"

out=$("$GAME_BINARY" --help 2>&1); status=$?
[ "$status" -eq 0 ] || fail "--help: exit $status"
for option in --nickname --fullscreen --size --data --record --replay --trace --outlines --check-level --practice --level-file --no-ghost; do
  [[ "$out" == *"$option"* ]] || fail "--help does not mention $option"
done
echo "command line: $failures failed"
[ "$failures" -eq 0 ]
