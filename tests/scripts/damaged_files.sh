#!/usr/bin/env bash
# A short damaged-file matrix (scripts/damage.sh runs every file in every
# world): one file of each kind, each removed, emptied, filled with random
# bytes and replaced by a file of the wrong kind, in the high-score screen,
# which reads them all.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
"$GAME_SOURCE_DIR/scripts/damage.sh" --build "$GAME_RUN_DIR/.." --world 8 --frames 10 \
  --files "Texturen/Floor.bmp Sounds/youvdunnit.wav comic.vs comic.fs tex/red.txt HighScore.hs"
