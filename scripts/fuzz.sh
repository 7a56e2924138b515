#!/usr/bin/env bash
# Builds the image readers' libFuzzer targets with clang in build-fuzz and
# runs each for SECONDS (default 60) from the generated seed corpus. The
# growing corpus stays in build-fuzz/corpus/<target>; crashes land in
# build-fuzz/artifacts/ and make the script fail.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
BUILD_DIR=build-fuzz

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DGAME_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
# Only the fuzz targets: the rest of the game is not needed here.
cmake --build "$BUILD_DIR" --target fuzz_bmp fuzz_metaimage fuzz_seeds

SEEDS="$BUILD_DIR/seeds"
"$BUILD_DIR/tools/fuzz/fuzz_seeds" "$SEEDS"
mkdir -p "$BUILD_DIR/artifacts"

status=0
for target in bmp metaimage; do
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${SECONDS_EACH}s"
  # close_fd_mask=1 silences the MetaImage reader's reports on stdout.
  "$BUILD_DIR/tools/fuzz/fuzz_$target" "$corpus" "$SEEDS/$target" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=1 \
    -print_final_stats=1 -artifact_prefix="$BUILD_DIR/artifacts/${target}-" || status=1
done
exit $status
