#!/usr/bin/env bash
# The personal-bests file and a ghost file, rewritten and killed at random
# moments, each stay one complete file, and a rewrite removes the temporary
# files of killed writers (scripts/killtest.sh, as highscore_kill.sh).
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
status=0
for kind in bests ghost; do
  "$GAME_SOURCE_DIR/scripts/killtest.sh" --build "$GAME_RUN_DIR/.." --kills 40 --kind "$kind" || status=1
done
exit $status
