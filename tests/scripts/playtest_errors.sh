#!/usr/bin/env bash
# The playtest driver refuses bad scripts with one line naming the line,
# and a non-zero exit status.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
driver="$GAME_RUN_DIR/../tools/playtest/playtest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect_refusal() { # script-text expected-message
  printf '%b' "$1" >"$work/bad.play"
  out=$("$driver" --frames 5 "$work/bad.play" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -eq 0 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || [[ "$out" != *"$2"* ]]; then
    echo "expected refusal '$2', got status $status: $out"; failures=$((failures + 1))
  fi
}

expect_refusal '0 key down W\n3 key down Q\n' 'line 2: unknown key name'
expect_refusal '10 key down W\n4 key up W\n' 'line 2: frame 4 comes before frame 10'
expect_refusal 'nonsense\n' 'line 1: expected a frame number'
out=$("$driver" "$work/missing.play" 2>&1 >/dev/null); status=$?
if [ "$status" -eq 0 ] || [[ "$out" != *"cannot read"* ]]; then
  echo "a missing script was not refused: $status $out"; failures=$((failures + 1))
fi
echo "playtest refusals: $failures failed"
[ "$failures" -eq 0 ]
