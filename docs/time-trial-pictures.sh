#!/usr/bin/env bash
# Makes the README's split and ghost pictures (docs/split.png, docs/ghost.png)
# with the playtest driver, in a scratch copy of the run directory: a first
# attempt at Level01 that waits a second on the exit slab, then the route on
# time (a second faster: the split in green), then the hero standing a few
# degrees turned while the ghost of the best attempt runs past.
# Run it from the source folder after a build, under Xvfb without a display.
set -euo pipefail
source="$(cd "$(dirname "$0")/.." && pwd)"
driver="$source/build/tools/playtest/playtest"
route="$source/tests/levels/level01_finish.play"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$source/build/run/." "$scratch"
cd "$scratch"
rm -rf PersonalBests.txt Ghosts
awk '/^[0-9]+ / { if ($1 >= 1100) $1 += 50 } { print }' "$route" >late.play
"$driver" --headless --nickname Ann --frames 1300 late.play >/dev/null
"$driver" --nickname Ann --size 640x480 --frames 1180 --screenshot "$source/docs/split.png" "$route" >/dev/null
printf '# frames: 52\n0 mouse left x8\n' >look.play
"$driver" --nickname Ann --size 640x480 --screenshot "$source/docs/ghost.png" look.play >/dev/null
