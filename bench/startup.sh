#!/usr/bin/env bash
# Start-up time (process start to the first window mapped) and peak memory (VmHWM once the
# window shows) of Morvel and of an empty Qt Widgets window, side by side on one private X
# server. Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-10}
. "$root/bench/xvfb.sh"
trap stop_xvfb EXIT
start_xvfb
export QT_QPA_PLATFORM=xcb

measure() { # program -> "milliseconds kilobytes"
  local start end pid hwm
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -A times mems
for program in morvel empty; do times[$program]=""; mems[$program]=""; done
for _ in $(seq 1 "$runs"); do
  # Alternate the two so that a busy moment of the machine hits both alike.
  read -r t m < <(measure "$build/bench/startup/empty_window"); times[empty]+="$t"$'\n'; mems[empty]+="$m"$'\n'
  read -r t m < <(measure "$build/morvel"); times[morvel]+="$t"$'\n'; mems[morvel]+="$m"$'\n'
done
for program in empty morvel; do
  t=$(printf '%s' "${times[$program]}" | median)
  m=$(printf '%s' "${mems[$program]}" | median)
  printf '%-8s first window mapped after %5s ms (median of %s), peak memory %6s kB\n' "$program" "$t" "$runs" "$m"
  eval "${program}_t=$t ${program}_m=$m"
done
awk -v a="$morvel_t" -v b="$empty_t" -v c="$morvel_m" -v d="$empty_m" \
  'BEGIN { printf "ratio    time %.2f, memory %.2f (target: at most 1.5 each)\n", a / b, c / d }'

# A key on the splash: from the key to the main sheet mapped.
skip() {
  local pid start end
  "$build/morvel" >/dev/null 2>&1 &
  pid=$!
  until [ "$(xdotool getwindowfocus getwindowpid 2>/dev/null)" = "$pid" ]; do sleep 0.005; done
  start=$(date +%s%N)
  xdotool key space
  until xdotool search --onlyvisible --name '^Morvel1415 - Income Tax Calculator$' >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 ))"
}
skips=""
for _ in $(seq 1 "$runs"); do skips+="$(skip)"$'\n'; done
printf 'a key on the splash shows the main sheet after %s ms (median of %s; target: at most 100)\n' \
  "$(printf '%s' "$skips" | median)" "$runs"
