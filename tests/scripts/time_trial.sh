#!/usr/bin/env bash
# Level splits, personal bests, ghosts and practice, through the playtest
# driver in a private copy of the run directory: the split lines of a run,
# the bests file it leaves, a ghost that retraces the recorded attempt step
# by step, practice that restarts at the exit and never touches the
# high-score table, and a level file played as practice keeping nothing.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
export ALSOFT_DRIVERS=null
driver="$GAME_RUN_DIR/../tools/playtest/playtest"
levels="$GAME_SOURCE_DIR/tests/levels"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

cp -r "$GAME_RUN_DIR" "$work/run"
cd "$work/run"
rm -rf PersonalBests.txt Ghosts
printf 'HIGH SCORES\n#      Time         Name' >HighScore.hs
printf '# nothing happens\n' >"$work/idle.play"

# The first attempt at Level01: its split, its best, its ghost. The hero's
# places up to the step before the exit (the next world's hero stands at
# the split's own frame) are what the ghost must retrace.
"$driver" --headless --positions 1 "$levels/level01_finish.play" >"$work/first" 2>/dev/null || fail "first run failed"
grep -qx 'frame 1135: split Level01 0:22.70' "$work/first" || fail "no split line: $(grep split "$work/first")"
[ "$(grep -n 'split' "$work/first" | head -1 | cut -d: -f1)" -lt "$(grep -n 'world 1 (exit touched)' "$work/first" | cut -d: -f1)" ] ||
  fail "the split line does not come before the world line"
grep -qx 'best Level01 1135' PersonalBests.txt || fail "no best kept: $(cat PersonalBests.txt 2>&1)"
[ -s Ghosts/Level01-playtes.ghost ] || fail "no ghost kept: $(ls -R)"
grep -E '^frame ([0-9]|[0-9]{2}|[0-9]{3}|10[0-9]{2}|11[0-2][0-9]|113[0-4]): at ' "$work/first" |
  sed 's/ speed.*//' >"$work/hero"
[ "$(wc -l <"$work/hero")" -eq 1134 ] || fail "expected 1134 hero lines, got $(wc -l <"$work/hero")"

# Standing still, the ghost runs the first attempt beside the hero.
"$driver" --headless --positions 1 --frames 1300 "$work/idle.play" >"$work/second" 2>/dev/null || fail "idle run failed"
grep ': ghost at ' "$work/second" | sed 's/ghost at/at/' | head -1134 >"$work/ghost"
cmp -s "$work/hero" "$work/ghost" || fail "the ghost does not retrace the attempt: $(diff "$work/hero" "$work/ghost" | head -4)"
grep -q '^frame 1300: ghost at 80.844 17.000 84.040 ' "$work/second" || fail "the ghost does not wait at the exit"

# Practice: the exit records the split and starts the level again, lives
# are not counted, and the table stays byte for byte.
table_before=$(cksum <HighScore.hs)
"$driver" --headless --practice 1 --frames 2400 --positions 2400 "$levels/level01_finish.play" >"$work/practice" 2>/dev/null ||
  fail "practice failed"
grep -qx 'frame 1135: split Level01 0:22.70' "$work/practice" || fail "practice: no split"
grep -q 'world [1-9]' "$work/practice" && fail "practice left the level: $(grep world "$work/practice")"
grep -q '^frame 2400: at 20.000 2.000 20.000 ' "$work/practice" || fail "practice did not start the level again"
"$driver" --headless --practice 1 --frames 1500 "$levels/level01_lava_death.play" >"$work/practice-death" 2>/dev/null
grep -q ': lives ' "$work/practice-death" && fail "practice counted a life"
[ "$(cksum <HighScore.hs)" = "$table_before" ] || fail "practice changed the table"
grep -qx 'best Level01 1135' PersonalBests.txt || fail "a tie replaced the best"

# A whole run keeps every split and the run.
rm -rf PersonalBests.txt Ghosts
"$driver" --headless "$levels/all_levels.play" >"$work/all" 2>/dev/null || fail "the whole run failed"
[ "$(grep -c ': split Level0[1-8] ' "$work/all")" -eq 8 ] || fail "not eight splits: $(grep split "$work/all")"
[ "$(grep -c '^run Level0' PersonalBests.txt)" -eq 8 ] || fail "the run was not kept: $(cat PersonalBests.txt)"

# A level file is practice and keeps no records.
rm -rf PersonalBests.txt Ghosts
"$driver" --headless --level-file "$GAME_SOURCE_DIR/docs/example.level" "$GAME_SOURCE_DIR/docs/example.play" >"$work/file" 2>/dev/null ||
  fail "the level file did not play"
grep -q ': split example ' "$work/file" || fail "no split for the level file: $(cat "$work/file")"
[ -e PersonalBests.txt ] || [ -e Ghosts ] && fail "a level file left records"

echo "time trial: $failures failed"
[ "$failures" -eq 0 ]
