#!/usr/bin/env bash
# Random-input soak: plays every world on a reproducible random stream of
# keys, mouse moves, buttons and wheel turns (playtest --random) and fails
# on a sanitizer report, a hang, a crash or a position that is not finite.
# A failing run prints the command that replays it.
#   scripts/soak.sh [--build DIR] [--frames N] [--seeds "S ..."] [--worlds "W ..."]
#                   [--jobs N] [--timeout SECONDS]
# Defaults: the sanitized build (build-sanitize, made by
# scripts/test.sh --sanitize), 20000 frames, seed 1, all ten worlds, two
# runs at a time, a time limit per run of 60 s plus 0.1 s a frame. Each run
# plays in its own copy of the run directory (the high-score screen
# rewrites HighScore.hs).
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-sanitize
FRAMES=20000
SEEDS=1
WORLDS="0 1 2 3 4 5 6 7 8 9"
JOBS=2
LIMIT=
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD_DIR=$2; shift 2 ;;
    --frames) FRAMES=$2; shift 2 ;;
    --seeds) SEEDS=$2; shift 2 ;;
    --worlds) WORLDS=$2; shift 2 ;;
    --jobs) JOBS=$2; shift 2 ;;
    --timeout) LIMIT=$2; shift 2 ;;
    *) echo "usage: scripts/soak.sh [--build DIR] [--frames N] [--seeds LIST] [--worlds LIST] [--jobs N] [--timeout S]" >&2
       exit 2 ;;
  esac
done
LIMIT=${LIMIT:-$((60 + FRAMES / 10))}
source scripts/driverruns.sh

# One run: world $1, seed $2. Writes a one-line verdict to $work/verdict-*.
soak_one() {
  local world=$1 seed=$2 name="w$1-s$2"
  local dir="$work/$name"
  cp -r "$BUILD_DIR/run" "$dir"
  local start=$SECONDS status
  (cd "$dir" && timeout -s KILL "$LIMIT" "$DRIVER" --world "$world" --frames "$FRAMES" --random "$seed" \
     >"$work/$name.out" 2>"$work/$name.err")
  status=$?
  local took=$((SECONDS - start))
  local frames
  frames=$(sed -n 's/^frames in worlds: //p' "$work/$name.out")
  local problem
  problem=$(run_problem "$status" "$work/$name.err" "$LIMIT")
  if [ -n "$problem" ]; then
    { echo "FAIL world $world seed $seed: $problem after ${took}s"
      grep -m5 -E 'not finite|ERROR|runtime error|#[0-3] ' "$work/$name.err" | sed 's/^/    /'
      echo "    replay: (cd <copy of $BUILD_DIR/run> && $DRIVER --world $world --frames $FRAMES --random $seed)"
    } >"$work/verdict-$name"
  else
    echo "ok   world $world seed $seed: ${took}s, frames per world $frames" >"$work/verdict-$name"
  fi
  rm -rf "$dir"
}

echo "soak: $FRAMES frames per run, worlds $WORLDS, seeds $SEEDS, driver $DRIVER"
for seed in $SEEDS; do
  for world in $WORLDS; do
    start_run soak_one "$world" "$seed"
  done
done
wait_for_runs
cat "$work"/verdict-* | sort -k3n
! grep -q '^FAIL' "$work"/verdict-*
