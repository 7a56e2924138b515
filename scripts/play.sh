#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from its run
# directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cd build/run
exec ../torchhero "$@"
