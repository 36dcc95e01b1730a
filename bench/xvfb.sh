# Sourced by the benchmarks that start the real program: a private X server on a free display.
#   start_xvfb   sets DISPLAY and XVFB_PID; stop_xvfb ends it.

start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 1366x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$fd_file" ]; then
      DISPLAY=":$(head -n1 "$fd_file")"
      if xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
        export DISPLAY
        rm -f "$fd_file"
        return 0
      fi
    fi
    sleep 0.1
  done
  rm -f "$fd_file"
  echo "Xvfb did not start" >&2
  return 1
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# wait_for_window NAME [SECONDS]: prints the id of the first visible window with that caption.
wait_for_window() {
  local name=$1 seconds=${2:-15} id
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# wait_for_exit PID SECONDS: the exit status of PID, or 124 when it has not ended in time.
wait_for_exit() {
  local pid=$1 seconds=$2
  local deadline=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null; do
    if [ $SECONDS -ge $deadline ]; then
      return 124
    fi
    sleep 0.1
  done
  wait "$pid"
}
