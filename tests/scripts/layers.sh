#!/usr/bin/env bash
# The layer check: the tree as it is passes, and an include that points up
# the layers (the simulation reaching for the renderer) fails, naming it.
set -uo pipefail
: "${GAME_SOURCE_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check() { cmake -DROOT="$1" -P "$GAME_SOURCE_DIR/cmake/LayerCheck.cmake" 2>&1; }

out=$(check "$GAME_SOURCE_DIR") || { echo "the tree fails its own layer check:"; echo "$out"; exit 1; }

mkdir -p "$work/sim" "$work/render"
printf '#include "render/GL.h"\n#include "core/Paths.h"\n' >"$work/sim/Bad.h"
printf '#include "sim/Level.h"\n' >"$work/render/Fine.cpp"
if out=$(check "$work"); then
  echo "an upward include passed the check"; exit 1
fi
[[ "$out" == *'sim/Bad.h: #include "render/GL.h"'* ]] || { echo "the offence is not named: $out"; exit 1; }
[[ "$out" != *"Fine.cpp"* && "$out" != *"core/Paths.h"* ]] || { echo "a downward include was refused: $out"; exit 1; }
echo "layers: ok"
