#!/usr/bin/env bash
# CPU of the quillon program with a lighting page on screen and its preview animating, then with
# the window hidden (withdrawn from the screen: previews compute nothing), SECONDS each, under a
# virtual X server with the simulated devices. The page is reached by clicking its tabs at the
# given window coordinates.
#
#   tools/measure_lighting.sh [BUILD_DIR] [SECONDS] [TAB_X,TAB_Y ...]
#       defaults: build/release 60, then the mousepad tab
# Prints the CPU time (user + system) of each period from /proc/PID/stat.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
secs=${2:-60}
shift $(( $# > 2 ? 2 : $# ))
clicks=("$@")
program=$build/src/app/entry/quillon
work=$(mktemp -d)
pid=
trap 'kill -TERM $pid 2>/dev/null || true; sleep 1; rm -rf "$work"' EXIT
export QUILLON_DATA_DIR=$work/data XDG_RUNTIME_DIR=$work/run QUILLON_DEBUG=1
mkdir -p "$work/run" && chmod 700 "$work/run"

QUILLON_DEBUG_FILE=$work/debug.log "$program" --simulate &
pid=$!
until grep -q "window ready" "$work/debug.log" 2>/dev/null; do sleep 0.05; done
sleep 5  # the devices connect and the window comes up
win=$(xdotool search --pid "$pid" --onlyvisible | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
for xy in "${clicks[@]}"; do
  xdotool mousemove $((X + ${xy%,*})) $((Y + ${xy#*,})) click 1
  sleep 0.5
done
sleep 4  # the previews' start waits

cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
ticks=$(getconf CLK_TCK)
measure() {
  local before=$(cpu)
  sleep "$secs"
  local after=$(cpu)
  echo "$1: $(( (after - before) * 1000 / ticks )) ms CPU in $secs s"
}
[ -n "${SHOT:-}" ] && import -window root "$SHOT-shown.png"
measure "preview on screen"
xdotool windowunmap "$win"
sleep 2
measure "window hidden"
