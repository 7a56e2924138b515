#!/usr/bin/env bash
# A short kill test (scripts/killtest.sh runs the long one): HighScore.hs
# rewritten and killed at random moments stays one complete table, and a
# rewrite removes the temporary files of killed writers.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
"$GAME_SOURCE_DIR/scripts/killtest.sh" --build "$GAME_RUN_DIR/.." --kills 40
