#!/usr/bin/env bash
# A short random-input soak (scripts/soak.sh runs the long one): a few
# worlds, a few hundred frames of random input each.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
"$GAME_SOURCE_DIR/scripts/soak.sh" --build "$GAME_RUN_DIR/.." --frames 250 --worlds "0 4 6 8 9" --seeds 11
