#!/usr/bin/env bash
# Plays every input script in tests/levels through the playtest driver and
# checks the trace against the expectations written in the script's header:
#
#   # world: N              first world (index in the world list)
#   # frames: N             how many frames to run
#   # options: ...          further driver options (--nickname, --play-time)
#   # expect: REGEX         a trace line must match (extended regex, whole line)
#   # expect-not: REGEX     no trace line may match
#   # expect-table: REGEX   a line of HighScore.hs must match afterwards
#
# Each script is played twice, each time in a fresh copy of the run
# directory (the high-score screen rewrites its table): the two traces must
# be byte-identical.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export ALSOFT_DRIVERS=null
driver="$GAME_RUN_DIR/../tools/playtest/playtest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0

header() { sed -n "s/^# $1: //p" "$2"; }

# play SCRIPT NAME: one run in a fresh copy of the run directory; the trace
# goes to $work/NAME, the table stays in $work/run.
play() {
  rm -rf "$work/run" && cp -r "$GAME_RUN_DIR" "$work/run"
  # shellcheck disable=SC2046 # the options header is a list of words
  (cd "$work/run" && "$driver" --world "${world:-0}" --frames "${frames:-3000}" $(header options "$1") "$1" 2>/dev/null) |
    grep -E '^(frame|summary)' >"$work/$2"
}

for script in "$GAME_SOURCE_DIR"/tests/levels/*.play; do
  name=$(basename "$script")
  world=$(header world "$script" | head -1)
  frames=$(header frames "$script" | head -1)
  play "$script" first
  play "$script" second
  ok=1
  if ! cmp -s "$work/first" "$work/second"; then
    echo "$name: two runs gave different traces"; ok=0
  fi
  while IFS= read -r pattern; do
    grep -Eqx -- "$pattern" "$work/first" || { echo "$name: no trace line matches: $pattern"; ok=0; }
  done < <(header expect "$script")
  while IFS= read -r pattern; do
    grep -Eqx -- "$pattern" "$work/first" && { echo "$name: a trace line matches: $pattern"; ok=0; }
  done < <(header expect-not "$script")
  while IFS= read -r pattern; do
    grep -Eqx -- "$pattern" "$work/run/HighScore.hs" || { echo "$name: no table line matches: $pattern"; ok=0; }
  done < <(header expect-table "$script")
  if [ "$ok" = 1 ]; then
    passed=$((passed + 1))
  else
    failures=$((failures + 1)); echo "--- trace of $name:"; cat "$work/first"
  fi
done
echo "playtest scripts: $passed passed, $failures failed"
[ "$failures" -eq 0 ] && [ "$passed" -gt 0 ]
