#!/usr/bin/env bash
# The game's files survive a kill: starts a process that rewrites one of
# them over and over (alternately two complete versions), kills it with
# SIGKILL at a random moment, and checks that the file holds one of the two
# versions, complete. Every fourth kill is followed by one successful
# rewrite, after which no temporary file may be left beside the file. Runs
# in a directory on the build's disk, where a flush to disk takes real time.
# The kinds: table (HighScore.hs, by tablewriter), bests (the personal-bests
# file) and ghost (a ghost file), the last two by recordwriter.
#   scripts/killtest.sh [--build DIR] [--kills N] [--kind table|bests|ghost]
# Defaults: build, 500 kills, table.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build
KILLS=500
KIND=table
# Longest wait before a kill, milliseconds; the writer takes some of it to
# start.
MAX_DELAY_MS=60
# A successful rewrite after this many kills.
SWEEP_EVERY=4
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD_DIR=$2; shift 2 ;;
    --kills) KILLS=$2; shift 2 ;;
    --kind) KIND=$2; shift 2 ;;
    *) echo "usage: scripts/killtest.sh [--build DIR] [--kills N] [--kind table|bests|ghost]" >&2; exit 2 ;;
  esac
done
case "$KIND" in
  table) WRITER=("$BUILD_DIR/tools/tablewriter/tablewriter"); NAME=HighScore.hs ;;
  bests) WRITER=("$BUILD_DIR/tools/recordwriter/recordwriter" bests); NAME=PersonalBests.txt ;;
  ghost) WRITER=("$BUILD_DIR/tools/recordwriter/recordwriter" ghost); NAME=Level01-Ann.ghost ;;
  *) echo "killtest: no kind $KIND (table, bests or ghost)" >&2; exit 2 ;;
esac
[ -x "${WRITER[0]}" ] || { echo "killtest: no ${WRITER[0]##*/} in $BUILD_DIR" >&2; exit 2; }
dir=$(mktemp -d -p "$BUILD_DIR" killtest.XXXXXX)
trap 'rm -rf "$dir"' EXIT
file="$dir/$NAME"

"${WRITER[@]}" write "$file" 1 || exit 1
torn=0 leftovers=0 unswept=0 sweeps=0
for i in $(seq 1 "$KILLS"); do
  "${WRITER[@]}" write "$file" &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % MAX_DELAY_MS)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! "${WRITER[@]}" check "$file"; then torn=$((torn + 1)); echo "killtest: kill $i left a torn $KIND file" >&2; fi
  [ "$(ls -A "$dir" | wc -l)" -gt 1 ] && leftovers=$((leftovers + 1))
  if [ $((i % SWEEP_EVERY)) -eq 0 ]; then
    "${WRITER[@]}" write "$file" 1 || exit 1
    sweeps=$((sweeps + 1))
    if [ "$(ls -A "$dir")" != "$NAME" ]; then
      unswept=$((unswept + 1)); echo "killtest: left beside $NAME after a rewrite: $(ls -A "$dir" | tr '\n' ' ')" >&2
    fi
  fi
done
echo "killtest: $KIND: $KILLS kills, $leftovers left a temporary file, $torn torn files, $sweeps rewrites after kills, $unswept left temporary files behind"
[ "$torn" -eq 0 ] && [ "$unswept" -eq 0 ]
