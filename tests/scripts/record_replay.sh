#!/usr/bin/env bash
# Records a run of the real game (nickname typed, then keys, mouse moves,
# buttons and the wheel sent through X, paused on the way), replays it in the window without an
# audio device and plays it through the playtest driver: the three traces
# must be identical. A replay enters no high score; Escape ends with exit 0.
set -uo pipefail
: "${GAME_BINARY:?}" "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
# A display of its own: another test's window on a shared one would take the
# focus and the pointer from the game.
unset DISPLAY
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null
work=$(mktemp -d)
trap 'kill ${GAME_PID:-} 2>/dev/null; rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null' EXIT
mkdir -p "$work/cwd" "$work/runtime" && chmod 700 "$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
cd "$work/cwd"
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }
driver="$GAME_RUN_DIR/../tools/playtest/playtest"

"$GAME_BINARY" --data "$GAME_RUN_DIR" --size 400x300 \
  --record "$work/run.play" --trace "$work/window.trace" >/dev/null 2>"$work/record.err" &
GAME_PID=$!
# window_other_than ID: the game's first visible window that is not ID.
window_other_than() {
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
      [ "$w" != "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
# The nickname window first: typed into, Return opens the game window.
entry=$(window_other_than none) || { echo "no nickname window"; cat "$work/record.err"; exit 1; }
xdotool windowfocus --sync "$entry" type --delay 20 Longername
xdotool key Return
window=$(window_other_than "$entry") || { echo "no game window"; cat "$work/record.err"; exit 1; }
[ "$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')" = 400x300 ] || fail "--size 400x300 was not applied"
xdotool windowfocus --sync "$window" mousemove --window "$window" 200 150
sleep 0.5
# Walk towards the lava, turning and jumping on the way; orbit and zoom.
xdotool keydown w; sleep 0.6
xdotool mousemove_relative -- 30 0; sleep 0.1
xdotool mousemove_relative -- 30 0; sleep 0.1
xdotool mousemove_relative -- -5 8; sleep 0.2
xdotool key space; sleep 0.3
xdotool keyup w click 3 click 5 click 5
# Paused twice (P, and P again; P, and a click that must not jump): no step
# runs, and the recording holds nothing of it.
xdotool key p; sleep 0.8; xdotool key p; sleep 0.2
xdotool key p; sleep 0.5; xdotool click 1; sleep 0.2
xdotool keydown shift keydown w; sleep 1.5; xdotool keyup w keyup shift; sleep 0.3
xdotool key Escape
wait "$GAME_PID"; status=$?
[ "$status" -eq 0 ] || fail "the recording run ended with exit code $status"
grep -E 'AL lib|torchhero:' "$work/record.err" && fail "error lines after a clean quit"

grep -qx '# nickname: Longern' "$work/run.play" || fail "the recording does not name the nickname cut to 7"
grep -q '^# A run recorded by torchhero [0-9.]*\.' "$work/run.play" || fail "the recording does not name the version"
frames=$(sed -n 's/^# frames: //p' "$work/run.play")
[ "${frames:-0}" -gt 0 ] || fail "the recording holds no steps"
grep -Eq '^[0-9]+ (key down P|button down left)' "$work/run.play" && fail "the pause or its click reached the recording"
for event in 'key down W' 'key down Space' 'mouse (right|left|at)' 'button down right' 'wheel -1'; do
  grep -Eq "^[0-9]+ $event" "$work/run.play" || fail "the recording holds no '$event'"
done

# The replay ignores the player and ends by itself at the recorded end.
ALSOFT_DRIVERS=none timeout 300 "$GAME_BINARY" --data "$GAME_RUN_DIR" --replay "$work/run.play" \
  --trace "$work/replay.trace" >/dev/null 2>"$work/replay.err"
status=$?
[ "$status" -eq 0 ] || fail "the replay ended with exit code $status"
[ "$(grep -c . "$work/replay.err")" -eq 1 ] && grep -q '^torchhero: no audio device' "$work/replay.err" ||
  fail "without an audio device, expected one line saying so: $(cat "$work/replay.err")"

# A replay that reaches the high-score screen leaves the player's table alone.
table_before=$(cksum <"$XDG_DATA_HOME/torchhero/HighScore.hs")
printf '# world: 8\n# frames: 5\n' >"$work/scores.play"
timeout 120 "$GAME_BINARY" --data "$GAME_RUN_DIR" --replay "$work/scores.play" >/dev/null 2>&1 ||
  fail "the replay of the high-score screen failed"
[ "$(cksum <"$XDG_DATA_HOME/torchhero/HighScore.hs")" = "$table_before" ] || fail "a replay changed the high-score table"

(cd "$GAME_RUN_DIR" && "$driver" --frames "$frames" --nickname Longern "$work/run.play" 2>/dev/null) |
  grep -E '^(frame|summary)' >"$work/driver.trace"

# The driver starts at world 0 and runs the recorded steps: the window's trace must be the same.
cmp -s "$work/window.trace" "$work/replay.trace" || fail "the replay's trace differs: $(diff "$work/window.trace" "$work/replay.trace")"
cmp -s "$work/window.trace" "$work/driver.trace" || fail "the driver's trace differs: $(diff "$work/window.trace" "$work/driver.trace")"
[ "$failures" -eq 0 ] || { echo "--- recording:"; cat "$work/run.play"; echo "--- trace:"; cat "$work/window.trace"; }
echo "record and replay: $failures failed"
[ "$failures" -eq 0 ]
