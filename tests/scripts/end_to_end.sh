#!/usr/bin/env bash
# Starts the real game binary, types a nickname into the nickname window,
# checks that the game window appears and paints, and ends the game with
# Escape, expecting exit code 0.
set -euo pipefail
: "${GAME_BINARY:?}" "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export ALSOFT_DRIVERS=null
cd "$GAME_RUN_DIR"
work=$(mktemp -d)
trap 'kill $GAME_PID 2>/dev/null || true; rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null || true' EXIT

"$GAME_BINARY" >"$work/out.txt" 2>&1 &
GAME_PID=$!

windows_of_game() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null || true; }
wait_for_window_other_than() {
  for _ in $(seq 1 100); do
    for w in $(windows_of_game); do
      [ "$w" != "${1:-}" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

entry=$(wait_for_window_other_than "") || { echo "no nickname window"; exit 1; }
xdotool windowfocus --sync "$entry"
xdotool type --delay 20 "Tester99"
xdotool key Return

game=$(wait_for_window_other_than "$entry") || { echo "no game window"; cat "$work/out.txt"; exit 1; }
sleep 1.5
# The nickname window must be gone and the game window showing frames.
[ "$(windows_of_game | wc -l)" -eq 1 ] || { echo "nickname window still visible"; exit 1; }
import -window "$game" "$work/frame.png"
colours=$(convert "$work/frame.png" -format "%k" info:)
echo "game window shows $colours distinct colours"
bright=$(convert "$work/frame.png" -colorspace Gray -format "%[fx:maxima]" info:)
echo "brightest pixel: $bright"
# A painted level: textured, lit geometry (many colours) and the white HUD.
[ "$colours" -gt 100 ] || { echo "the game window shows no level"; exit 1; }
awk -v b="$bright" 'BEGIN { exit !(b > 0.95) }' || { echo "no white HUD text"; exit 1; }

xdotool windowfocus --sync "$game"
xdotool key Escape
for _ in $(seq 1 50); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null; then echo "game did not end on Escape"; exit 1; fi
set +e
wait "$GAME_PID"
rc=$?
set -e
echo "exit code $rc"
[ "$rc" -eq 0 ]
