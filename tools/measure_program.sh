#!/usr/bin/env bash
# Measures the quillon program as a user runs it, under a virtual X server:
#   start-up   time from process start to the window being ready (first-show set-up done),
#              median of RUNS starts
#   memory     resident memory of the idle program in the tray
#   idle CPU   CPU time used in IDLE seconds of idling in the tray
#
#   tools/measure_program.sh [BUILD_DIR] [RUNS] [IDLE]     (defaults: build/release 10 60)
# Needs xvfb-run. Extra arguments for quillon can be given in QUILLON_ARGS (e.g. --simulate).
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
runs=${2:-10}
idle=${3:-60}
program=$build/src/app/entry/quillon
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUILLON_DATA_DIR=$work/data XDG_RUNTIME_DIR=$work/run QUILLON_DEBUG=1
mkdir -p "$work/run" && chmod 700 "$work/run"

measure() {
  local times=()
  for i in $(seq "$runs"); do
    local log=$work/debug-$i.log
    local start=$(date +%s%N)
    QUILLON_DEBUG_FILE=$log "$program" ${QUILLON_ARGS:-} &
    local pid=$!
    until grep -q "window ready" "$log" 2>/dev/null; do sleep 0.002; done
    local ready=$(date +%s%N)
    times+=($(( (ready - start) / 1000000 )))
    if [ "$i" -eq "$runs" ]; then
      sleep 5
      local rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
      local ticks=$(getconf CLK_TCK)
      local before=$(awk '{print $14 + $15}' /proc/$pid/stat)
      sleep "$idle"
      local after=$(awk '{print $14 + $15}' /proc/$pid/stat)
      echo "resident memory idle: $((rss / 1024)) MiB ($rss kB)"
      echo "CPU in ${idle} s idle: $(( (after - before) * 1000 / ticks )) ms"
    fi
    kill -TERM $pid; wait $pid || true
  done
  local sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "start-up to window ready (ms): median ${sorted[$((runs / 2))]}, min ${sorted[0]}, max ${sorted[$((runs - 1))]}"
}

measure
