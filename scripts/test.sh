#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize the
# build uses AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-sanitize). Starts Xvfb itself when there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  shift
  export BUILD_DIR=build-sanitize
  scripts/build.sh -DGAME_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  source scripts/sanitizers.sh
else
  export BUILD_DIR=build
  scripts/build.sh
fi

source scripts/xvfb.sh
export ALSOFT_DRIVERS=null
export LIBGL_ALWAYS_SOFTWARE=1
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" "$@"
