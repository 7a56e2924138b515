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

# A pair that does not compile is reported, and the frames are still timed.
echo "not a shader" >"$WORK/comic.fs"
out=$("$BENCH" --frames 2 --against "$WORK" 9 2>&1) || fail "exit status with a broken pair: $out"
grep -q "comic.fs" <<<"$out" || fail "the broken file is not named: $out"
grep -q -- "--against changes the frame by" <<<"$out" || fail "no timing with a broken pair: $out"

status=0
out=$("$BENCH" --frames 2 --against "$WORK/none" 0 2>&1) || status=$?
[ "$status" = 2 ] || fail "status $status for a missing directory: $out"
grep -q "no directory $WORK/none" <<<"$out" || fail "$out"
echo "framebench: ok"
