#!/usr/bin/env bash
# The installed tree (binary, data, validated desktop entry and metainfo,
# icons); the installed game started elsewhere paints a level with its white
# HUD, keeps its table in XDG_DATA_HOME and writes nowhere else; the Debian
# package's dependencies come from the binary.
set -uo pipefail
: "${GAME_RUN_DIR:?}" "${GAME_SOURCE_DIR:?}"
build=$(cd "$GAME_RUN_DIR/.." && pwd)
# A display of its own: another test's window on a shared one would take the
# focus and the pointer from the game.
unset DISPLAY
source "$GAME_SOURCE_DIR/scripts/xvfb.sh"
export LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null
work=$(mktemp -d)
trap 'kill ${GAME_PID:-} 2>/dev/null; rm -rf "$work"; [ -n "${XVFB_PID:-}" ] && kill $XVFB_PID 2>/dev/null' EXIT
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
for file in bin/torchhero share/torchhero/comic.vs share/torchhero/comic.fs share/torchhero/tex/red.txt \
  share/torchhero/Texturen/Hero.ico share/torchhero/Texturen/grass.bmp share/torchhero/Sounds/jump3.wav \
  share/icons/hicolor/256x256/apps/torchhero.png; do
  [ -s "$prefix/$file" ] || fail "missing from the install: $file"
done
[ -e "$prefix/share/torchhero/HighScore.hs" ] && fail "the install holds a high-score table"
desktop=$(ls "$prefix"/share/applications/*.desktop 2>/dev/null)
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null)
[ -n "$desktop" ] && desktop-file-validate "$desktop" || fail "desktop entry: $(desktop-file-validate "$desktop" 2>&1)"
grep -qx 'Icon=torchhero' "$desktop" || fail "the desktop entry names another icon"
[ -n "$metainfo" ] && appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
  fail "metainfo: $(cat "$work/appstream.log")"
size=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/48x48/apps/torchhero.png" 2>/dev/null)
[ "$size" = 48x48 ] || fail "the 48x48 icon is $size"

# The installed game, from a working directory that has nothing to do with it.
mkdir -p "$work/cwd" "$work/data" "$work/runtime" && chmod 700 "$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
find "$prefix" -type f -exec cksum {} + | sort >"$work/before"
cd "$work/cwd"
"$prefix/bin/torchhero" --nickname Install >/dev/null 2>"$work/game.err" &
GAME_PID=$!
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no game window"; cat "$work/game.err"; exit 1; }
sleep 2
import -window "$window" "$work/frame.png"
colours=$(convert "$work/frame.png" -format "%k" info:)
[ "${colours:-0}" -gt 100 ] || fail "the installed game paints no level ($colours colours)"
bright=$(convert "$work/frame.png" -colorspace Gray -format "%[fx:maxima]" info:)
awk -v b="$bright" 'BEGIN { exit !(b > 0.95) }' || fail "no white HUD text (brightest $bright)"
xdotool windowfocus --sync "$window" key Escape
wait "$GAME_PID"; status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with exit code $status"
grep -E 'AL lib|torchhero:' "$work/game.err" && fail "error lines from the installed game"
[ "$(cat "$XDG_DATA_HOME/torchhero/HighScore.hs" 2>/dev/null)" = $'HIGH SCORES\n#      Time         Name' ] ||
  fail "no fresh high-score table in XDG_DATA_HOME"
[ -s "$XDG_CONFIG_HOME/torchhero/torchhero.conf" ] || fail "no settings kept in XDG_CONFIG_HOME"
find "$prefix" -type f -exec cksum {} + | sort | cmp -s - "$work/before" || fail "the game wrote into the prefix"
[ -z "$(ls -A "$work/cwd")" ] || fail "the game wrote into the working directory: $(ls -A "$work/cwd")"

# The package, from the same build.
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/torchhero_*.deb 2>/dev/null)
depends=$(dpkg-deb -f "$deb" Depends 2>/dev/null)
for package in libqt6widgets6 libopenal1 libalut0 libglew2.2 libcoin80c libsdl2-2.0-0 qt6-qpa-plugins; do
  [[ "$depends" == *"$package"* ]] || fail "the package does not depend on $package: $depends"
done
dpkg-deb -c "$deb" >"$work/contents"
grep -q ' ./usr/bin/torchhero$' "$work/contents" || fail "the package holds no /usr/bin/torchhero"
grep -q ' ./usr/share/torchhero/comic.vs$' "$work/contents" || fail "the package holds no data"
echo "install: $failures failed"
[ "$failures" -eq 0 ]
