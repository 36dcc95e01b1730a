#!/usr/bin/env bash
# Starts the real program on a private X server: the splash, then the main sheet by its
# caption; Alt+X ends the run with exit status 0.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/../support/xvfb.sh"
trap 'kill "${app_pid:-}" 2>/dev/null || true; stop_xvfb' EXIT

start_xvfb
export QT_QPA_PLATFORM=xcb
"$program" &
app_pid=$!

# The splash comes first and has no caption; the main sheet follows about 3 s later.
sleep 1
if xdotool search --onlyvisible --name "^Morvel1415 - Income Tax Calculator\$" >/dev/null 2>&1; then
  echo "FAIL: the main sheet showed before the splash had gone"
  exit 1
fi
window=$(wait_for_window "Morvel1415 - Income Tax Calculator" 15) || {
  echo "FAIL: the main sheet never showed"
  exit 1
}
echo "main sheet window: $window"
xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+x
status=0
wait_for_exit "$app_pid" 10 || status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: the program ended with status $status (124: still running)"
  exit 1
fi
app_pid=
echo "PASS: started, showed the main sheet and ended with status 0 on Alt+X"
