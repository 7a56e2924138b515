#!/usr/bin/env bash
# framebench end to end: a world's report, a second shader pair timed in
# turn with the game's, and the refusal of a directory that is not there.
set -euo pipefail
BENCH="$(dirname "${GAME_BINARY:?}")/tools/framebench/framebench"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The game's own pair copied elsewhere: the same frame, timed in turn.
cp comic.vs comic.fs "$WORK/"
out=$("$BENCH" --frames 2 --against "$WORK" 0 2>&1) || fail "exit status: $out"
for line in "world 0 Level01" "whole frame" "game's pair" "--against " "--against changes the frame by"; do
  grep -q -- "$line" <<<"$out" || fail "no '$line' in: $out"
done

status=0
out=$("$BENCH" --frames 2 --against "$WORK/none" 0 2>&1) || status=$?
[ "$status" = 2 ] || fail "status $status for a missing directory: $out"
grep -q "no directory $WORK/none" <<<"$out" || fail "$out"
echo "framebench: ok"
