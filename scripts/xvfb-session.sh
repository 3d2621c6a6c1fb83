# Sourced by the run and test scripts: a private Xvfb display for this shell and its children.
xvfb_session_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_SESSION_PID=$!
  local num
  read -r -t 20 num <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$num"
}

xvfb_session_stop() {
  # Wine processes that still hold the display go first.
  if [ -n "${TOLVANE_WINEPREFIX:-}" ] && [ -d "$TOLVANE_WINEPREFIX" ]; then
    WINEPREFIX="$TOLVANE_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
  fi
  [ -n "${XVFB_SESSION_PID:-}" ] && kill "$XVFB_SESSION_PID" 2>/dev/null || true
  [ -n "${XVFB_SESSION_PID:-}" ] && wait "$XVFB_SESSION_PID" 2>/dev/null || true
}
