#!/usr/bin/env bash
# Sourced: when there is no display, starts a private Xvfb and exports
# DISPLAY; it is stopped when the sourcing shell exits. Xvfb picks a free
# display number itself (-displayfd), so parallel runs never collide.
if [ -z "${DISPLAY:-}" ]; then
  _xvfb_number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$_xvfb_number" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -s "$_xvfb_number" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$_xvfb_number")"
  rm -f "$_xvfb_number"
  trap 'kill $XVFB_PID 2>/dev/null' EXIT
fi
