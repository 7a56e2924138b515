#!/usr/bin/env bash
# The playtest driver enters --nickname and --play-time on the high-score
# screen of a private copy of the run directory, never the real table, and
# refuses bad input with one line and a non-zero status.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export ALSOFT_DRIVERS=null
driver="$GAME_RUN_DIR/../tools/playtest/playtest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

real_before=$(cksum <"$GAME_RUN_DIR/HighScore.hs" 2>&1)
cp -r "$GAME_RUN_DIR" "$work/run"
cd "$work/run"
printf 'HIGH SCORES\n#      Time         Name\n1      0:05:00      Ann\n2      0:06:00      Bob\n3      0:07:00      Cid' >HighScore.hs
printf '# nothing happens\n' >"$work/idle.play"

"$driver" --world 8 --nickname "A B" --play-time 0:05:30 --frames 20 "$work/idle.play" >"$work/trace" 2>/dev/null ||
  fail "the driver failed on the high-score screen"
grep -qx 'frame 0: world 8' "$work/trace" || fail "the trace does not start at world 8: $(cat "$work/trace")"
expected=$'HIGH SCORES\n#      Time         Name\n1      0:05:00      Ann\n2      0:05:30      A B\n3      0:06:00      Bob\n4      0:07:00      Cid'
[ "$(cat HighScore.hs)" = "$expected" ] || fail "unexpected table:"$'\n'"$(cat HighScore.hs)"
[ "$(ls -A | grep -c HighScore)" -eq 1 ] || fail "files left beside the table: $(ls -A)"

# A script's world and frames headers stand for --world and --frames, which
# win when given.
printf '# world: 9\n# frames: 7\n' >"$work/headed.play"
"$driver" "$work/headed.play" >"$work/trace" 2>/dev/null || fail "the driver failed on a script with headers"
grep -qx 'frame 0: world 9' "$work/trace" || fail "the world header was not taken: $(cat "$work/trace")"
grep -q '^summary: world 9 .* frames 7$' "$work/trace" || fail "the frames header was not taken: $(cat "$work/trace")"
"$driver" --world 7 --frames 3 "$work/headed.play" >"$work/trace" 2>/dev/null || fail "the driver failed with options"
grep -q '^summary: world 7 .* frames 3$' "$work/trace" || fail "the options did not win over the headers"

printf '0 key down W\n3 key down Q\n' >"$work/bad.play"
printf '# frames: 12x\n' >"$work/badheader.play"
# refused NAME EXPECTED-TEXT ARGUMENT...
refused() {
  local name=$1 expected=$2 out status
  shift 2
  out=$("$driver" --world 8 "$@" 2>&1 >/dev/null); status=$?
  if [ "$status" -eq 0 ] || [ "$(printf '%s\n' "$out" | grep -c .)" -ne 1 ] || [[ "$out" != *"$expected"* ]]; then
    fail "$name: expected a refusal with '$expected', got $status: $out"
  fi
}
refused "malformed play time" "bad play time" --play-time 5:30 "$work/idle.play"
refused "bad script line" "line 2: unknown key name" "$work/bad.play"
refused "bad frames header" "bad '# frames:' header '12x'" "$work/badheader.play"
[ "$(cat HighScore.hs)" = "$expected" ] || fail "a refused run changed the table"

[ "$(cksum <"$GAME_RUN_DIR/HighScore.hs" 2>&1)" = "$real_before" ] || fail "the real run directory's table changed"
echo "playtest driver: $failures failed"
[ "$failures" -eq 0 ]
