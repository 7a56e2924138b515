#!/usr/bin/env bash
# imagetool end to end: info on BMP and MetaImage files, conversions both
# ways with the pixels compared, and one-line errors for bad input.
set -euo pipefail
TOOL="$(dirname "${GAME_BINARY:?}")/tools/imagetool/imagetool"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A 3 x 2 24-bit BMP, bottom row first, rows padded to 12 bytes.
printf 'BM\x4e\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00' >"$WORK/p.bmp"
printf '\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00' >>"$WORK/p.bmp"
printf '\x18\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$WORK/p.bmp"
printf '\x00\x00\x00\x00' >>"$WORK/p.bmp"
printf '\x01\x02\x03\x04\x05\x06\x07\x08\x09\x00\x00\x00' >>"$WORK/p.bmp"
printf '\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\xff\x00\x00\x00' >>"$WORK/p.bmp"

info=$("$TOOL" info "$WORK/p.bmp")
for line in "size: 3 x 2 x 1 x 1" "channels: 3" "type: MET_UCHAR" "range: 1 .. 255" "bits per pixel: 24"; do
  grep -qx "$line" <<<"$info" || fail "$line: $info"
done

"$TOOL" convert "$WORK/p.bmp" "$WORK/m.mhd"
# Top row first, unpadded.
[ "$(od -An -tx1 -v "$WORK/m.raw" | tr -d ' \n')" = "0a0b0c0d0e0f1011ff010203040506070809" ] ||
  fail "raw bytes"

"$TOOL" convert "$WORK/m.mhd" "$WORK/back.bmp"
cmp -s <(tail -c 24 "$WORK/p.bmp") <(tail -c 24 "$WORK/back.bmp") || fail "pixels after round trip"

# Errors: one line on stderr, non-zero status.
check_error() {
  local expected=$1; shift
  local status=0
  "$TOOL" "$@" 2>"$WORK/err" >/dev/null || status=$?
  [ "$status" -eq "$expected" ] || fail "status $status for $*"
  [ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "one error line for $*: $(cat "$WORK/err")"
}
check_error 1 info "$WORK/missing.bmp"
# Float data: a BMP cannot hold it.
printf 'NDims = 1\nDimSize = 2\nElementType = MET_FLOAT\nElementDataFile = x.raw\n' >"$WORK/f.mhd"
check_error 1 convert "$WORK/f.mhd" "$WORK/f.bmp"
check_error 2 convert "$WORK/p.bmp" "$WORK/out.png"
check_error 2 info
echo "imagetool checks passed"
