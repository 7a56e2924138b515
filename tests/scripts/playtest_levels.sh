#!/usr/bin/env bash
# Plays every input script in tests/levels through the playtest driver and
# checks the trace against the expectations written in the script's header.
# The driver itself takes the first two:
#
#   # world: N              first world (index in the world list)
#   # frames: N             how many frames to run
#   # options: ...          further driver options (--nickname, --play-time)
#   # expect: REGEX         a trace line must match (extended regex, whole line)
#   # expect-not: REGEX     no trace line may match
#   # expect-table: REGEX   a line of HighScore.hs must match afterwards
#
# Each script is played three times in fresh copies of the run directory:
# drawing every frame, drawing every third frame as a slow window does, and
# headless (no GL context, nothing drawn, no sound). The three traces and
# the tables left behind must be byte-identical. Scripts run side by side.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export ALSOFT_DRIVERS=null
export driver="$GAME_RUN_DIR/../tools/playtest/playtest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export work

header() { sed -n "s/^# $1: //p" "$2"; }

# play SCRIPT DIR [OPTION...]: one run in DIR, a fresh copy of the run
# directory, into DIR.trace and DIR.stderr; says so when the driver failed.
play() {
  rm -rf "$2" && cp -r "$GAME_RUN_DIR" "$2"
  # Whatever the run directory's table holds, a script starts from an empty one.
  printf 'HIGH SCORES\n#      Time         Name' >"$2/HighScore.hs"
  # shellcheck disable=SC2046 # the options header is a list of words
  (cd "$2" && "$driver" $(header options "$1") "${@:3}" "$1" 2>"$2.stderr") |
    grep -E '^(frame|summary)' >"$2.trace"
  local status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "$(basename "$1") ${*:3}: the driver ended with status $status; its standard error:"
    tail -n 20 "$2.stderr"
  fi
}

# check SCRIPT: plays it twice and writes what failed to $work/NAME.failed.
check() {
  local script=$1 name out
  name=$(basename "$script")
  out="$work/$name"
  {
    play "$script" "$out.first"
    play "$script" "$out.second" --draw-every 3
    play "$script" "$out.third" --headless
    cmp -s "$out.first.trace" "$out.second.trace" || echo "$name: drawing every third frame gave another trace"
    cmp -s "$out.first.trace" "$out.third.trace" || echo "$name: the headless run gave another trace"
    cmp -s "$out.first/HighScore.hs" "$out.third/HighScore.hs" || echo "$name: the headless run left another table"
    while IFS= read -r pattern; do
      grep -Eqx -- "$pattern" "$out.first.trace" || echo "$name: no trace line matches: $pattern"
    done < <(header expect "$script")
    while IFS= read -r pattern; do
      grep -Eqx -- "$pattern" "$out.first.trace" && echo "$name: a trace line matches: $pattern"
    done < <(header expect-not "$script")
    while IFS= read -r pattern; do
      grep -Eqx -- "$pattern" "$out.first/HighScore.hs" || echo "$name: no table line matches: $pattern"
    done < <(header expect-table "$script")
  } >"$out.failed"
  if [ -s "$out.failed" ]; then
    echo "--- trace of $name:" >>"$out.failed"
    cat "$out.first.trace" >>"$out.failed"
  fi
  rm -rf "$out.first" "$out.second" "$out.third"
}
export -f header play check

printf '%s\0' "$GAME_SOURCE_DIR"/tests/levels/*.play | xargs -0 -n 1 -P "$(nproc)" bash -c 'check "$1"' _
failures=0
passed=0
for result in "$work"/*.failed; do
  if [ -s "$result" ]; then
    failures=$((failures + 1)); cat "$result"
  else
    passed=$((passed + 1))
  fi
done
echo "playtest scripts: $passed passed, $failures failed"
[ "$failures" -eq 0 ] && [ "$passed" -gt 0 ]
