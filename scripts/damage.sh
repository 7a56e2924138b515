#!/usr/bin/env bash
# Damaged-file matrix: for each file of the run directory in turn, and for
# each damage (removed, emptied, 4 KB of random bytes, a valid file of the
# wrong kind), plays every world's set-up and FRAMES frames of random input
# in a copy of the run directory. Fails on a crash, a hang, a sanitizer
# report, or a damaged file the game reads without naming it on standard
# error. Exceptions to the naming rule: HighScore.hs is named only when it
# is missing (any other content is a table to the game, rewritten in its
# format), and Texturen/Hero.ico is read only by the windows, through Qt's
# icon loader, which falls back to the default icon without a message.
#   scripts/damage.sh [--build DIR] [--files "PATH ..."] [--world N] [--frames N] [--jobs N]
# Defaults: the sanitized build (build-sanitize), every file, all worlds
# (--world N plays that one world only), 100 frames, two runs at a time.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-sanitize
FILES=
WORLD=all
FRAMES=100
JOBS=2
# Time limit per run, seconds.
LIMIT=600
# Size of the random-bytes damage, bytes.
RANDOM_BYTES=4096
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD_DIR=$2; shift 2 ;;
    --files) FILES=$2; shift 2 ;;
    --world) WORLD=$2; shift 2 ;;
    --frames) FRAMES=$2; shift 2 ;;
    --jobs) JOBS=$2; shift 2 ;;
    *) echo "usage: scripts/damage.sh [--build DIR] [--files LIST] [--world N] [--frames N] [--jobs N]" >&2
       exit 2 ;;
  esac
done
source scripts/driverruns.sh
[ -n "$FILES" ] || FILES=$(cd "$BUILD_DIR/run" && find . -type f ! -name '.*' | sed 's|^\./||' | sort)
if [ "$WORLD" = all ]; then WORLD_ARGS=(--world 0 --all-worlds); else WORLD_ARGS=(--world "$WORLD"); fi

# A valid file of another kind than the one the game expects at $1.
wrong_kind() {
  case "$1" in
    *.bmp) echo Sounds/jump.wav ;;
    *.wav | *.ico | *.hs) echo Texturen/Lives.bmp ;;
    comic.vs) echo comic.fs ;;
    *) echo comic.vs ;;
  esac
}

damage() { # dir file kind
  case "$3" in
    removed) rm -f "$1/$2" ;;
    empty) : >"$1/$2" ;;
    random) perl -e "srand(${#2}); print map { chr(int(rand(256))) } 1..$RANDOM_BYTES" >"$1/$2" ;;
    wrong-kind) cp "$1/$(wrong_kind "$2")" "$1/$2" ;;
  esac
}

must_be_named() { # file kind
  case "$1" in
    Texturen/Hero.ico) return 1 ;;
    HighScore.hs) [ "$2" = removed ] ;;
    *) return 0 ;;
  esac
}

# What a failed run said: a sanitizer's report and the top of its stack, or
# else the end of its standard error (an abort or a crash says little, and
# the scratch folder goes with its run).
failure_lines() { # err-file
  grep -m5 -E 'ERROR|runtime error|#[0-3] ' "$1" || tail -n 12 "$1"
}

check_one() { # file kind
  local file=$1 kind=$2 name
  name=$(echo "$file-$kind" | tr '/' '_')
  local dir="$work/$name"
  cp -r "$BUILD_DIR/run" "$dir"
  damage "$dir" "$file" "$kind"
  (cd "$dir" && timeout -s KILL "$LIMIT" "$DRIVER" "${WORLD_ARGS[@]}" --frames "$FRAMES" --random 1 \
     >"$work/$name.out" 2>"$work/$name.err")
  local status=$? problem
  problem=$(run_problem "$status" "$work/$name.err" "$LIMIT")
  if [ -z "$problem" ] && must_be_named "$file" "$kind" && ! grep -qF "$file: " "$work/$name.err"; then
    problem="not named on standard error"
  fi
  if [ -n "$problem" ]; then
    { echo "FAIL $file $kind: $problem"; failure_lines "$work/$name.err" | sed 's/^/    /'; } >"$work/verdict-$name"
  else
    echo "ok   $file $kind: $(grep -F "$file: " "$work/$name.err" | head -1)" >"$work/verdict-$name"
  fi
  rm -rf "$dir"
}

echo "damage: worlds ${WORLD_ARGS[*]}, $FRAMES frames each, driver $DRIVER"
for file in $FILES; do
  for kind in removed empty random wrong-kind; do
    start_run check_one "$file" "$kind"
  done
done
wait_for_runs
cat "$work"/verdict-*
echo "damage: $(grep -c '^ok' "$work"/verdict-* | awk -F: '{s+=$2} END {print s}') handled, $(cat "$work"/verdict-* | grep -c '^FAIL') failed"
! grep -q '^FAIL' "$work"/verdict-*
