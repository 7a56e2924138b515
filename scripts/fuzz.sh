#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang in build-fuzz
# and runs each for SECONDS (default 60) from the generated seed corpus:
# the image readers (bmp, metaimage), the text readers (colorramp,
# highscore, inputscript, levelfile; the playtest scripts in tests/levels
# seed inputscript, the eight level files and the documented example seed
# levelfile) and the record files (bests: personal bests; ghost).
# The growing corpus stays in build-fuzz/corpus/<target>; crashes land in
# build-fuzz/artifacts/ and make the script fail. Each run ends with
# libFuzzer's statistics (stat::number_of_executed_units: executions).
#   scripts/fuzz.sh [SECONDS] [TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
shift $(($# > 0 ? 1 : 0))
TARGETS=${*:-bmp metaimage colorramp highscore inputscript levelfile bests ghost}
BUILD_DIR=build-fuzz

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DGAME_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
# Only the fuzz targets: the rest of the game is not needed here.
cmake --build "$BUILD_DIR" -j2 --target fuzz_seeds $(for t in $TARGETS; do echo "fuzz_$t"; done)

SEEDS="$BUILD_DIR/seeds"
"$BUILD_DIR/tools/fuzz/fuzz_seeds" "$SEEDS"
cp tests/levels/*.play "$SEEDS/inputscript/"
mkdir -p "$SEEDS/levelfile"
cp levels/data/*.level docs/example.level "$SEEDS/levelfile/"
mkdir -p "$BUILD_DIR/artifacts"

status=0
for target in $TARGETS; do
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${SECONDS_EACH}s"
  # close_fd_mask=1 silences the MetaImage reader's reports on stdout.
  "$BUILD_DIR/tools/fuzz/fuzz_$target" "$corpus" "$SEEDS/$target" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=1 \
    -print_final_stats=1 -artifact_prefix="$BUILD_DIR/artifacts/${target}-" || status=1
done
exit $status
