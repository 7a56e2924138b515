#!/usr/bin/env bash
# The high-score table survives a kill: starts a process that rewrites
# HighScore.hs over and over (tablewriter, alternately two complete tables),
# kills it with SIGKILL at a random moment, and checks that the file holds
# one of the two tables, complete. Every fourth kill is followed by one
# successful rewrite, after which no temporary file may be left beside the
# table. Runs in a directory on the build's disk, where a flush to disk
# takes real time.
#   scripts/killtest.sh [--build DIR] [--kills N]
# Defaults: build, 500 kills.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build
KILLS=500
# Longest wait before a kill, milliseconds; the writer takes some of it to
# start.
MAX_DELAY_MS=60
# A successful rewrite after this many kills.
SWEEP_EVERY=4
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD_DIR=$2; shift 2 ;;
    --kills) KILLS=$2; shift 2 ;;
    *) echo "usage: scripts/killtest.sh [--build DIR] [--kills N]" >&2; exit 2 ;;
  esac
done
WRITER="$BUILD_DIR/tools/tablewriter/tablewriter"
[ -x "$WRITER" ] || { echo "killtest: no tablewriter in $BUILD_DIR" >&2; exit 2; }
dir=$(mktemp -d -p "$BUILD_DIR" killtest.XXXXXX)
trap 'rm -rf "$dir"' EXIT
table="$dir/HighScore.hs"

"$WRITER" write "$table" 1 || exit 1
torn=0 leftovers=0 unswept=0 sweeps=0
for i in $(seq 1 "$KILLS"); do
  "$WRITER" write "$table" &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % MAX_DELAY_MS)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! "$WRITER" check "$table"; then torn=$((torn + 1)); echo "killtest: kill $i left a torn table" >&2; fi
  [ "$(ls -A "$dir" | wc -l)" -gt 1 ] && leftovers=$((leftovers + 1))
  if [ $((i % SWEEP_EVERY)) -eq 0 ]; then
    "$WRITER" write "$table" 1 || exit 1
    sweeps=$((sweeps + 1))
    if [ "$(ls -A "$dir")" != HighScore.hs ]; then
      unswept=$((unswept + 1)); echo "killtest: left beside the table after a rewrite: $(ls -A "$dir" | tr '\n' ' ')" >&2
    fi
  fi
done
echo "killtest: $KILLS kills, $leftovers left a temporary file, $torn torn tables, $sweeps rewrites after kills, $unswept left temporary files behind"
[ "$torn" -eq 0 ] && [ "$unswept" -eq 0 ]
