# Sourced: gives the caller an X display. Uses the user's own when there is
# one (unless OSTREVIN_VIRTUAL_DISPLAY=1), otherwise starts Xvfb on a free
# display number and stops it when the caller's shell exits.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${OSTREVIN_VIRTUAL_DISPLAY:-0}" != 1 ] && xdpyinfo >/dev/null 2>&1; then
    DISPLAY_KIND="your display $DISPLAY"
    return 0
  fi
  start_virtual_display 1024x768x24
  DISPLAY_KIND="a virtual display $DISPLAY (Xvfb)"
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
}

# start_virtual_display <width>x<height>x<depth>: starts Xvfb of that screen on
# a free display number (XVFB_PID) and makes it the caller's DISPLAY.
start_virtual_display() {
  local fifo num
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num"
}
