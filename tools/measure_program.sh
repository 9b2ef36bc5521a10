#!/usr/bin/env bash
# Measures the quillon program as a user runs it, under a virtual X server, and prints one table:
#   start-up    time from process start to the window being ready (first-show set-up done),
#               median, min and max of RUNS starts
#   memory      resident memory (VmRSS) and threads of the idle program in the tray
#   CPU         CPU time (user + system) over SECONDS, as a share of one core:
#                 tray                 the window hidden in the tray
#                 kb / ms / mp main    the window open on the keyboard (lighting), mouse
#                                      (performance) and mousepad (lighting) page
#                 ms lighting preview  the window open on the mouse lighting page, where the
#                                      animated preview is drawn
#               always with three simulated devices connected (--simulate), nothing touched.
#
#   tools/measure_program.sh [BUILD_DIR] [RUNS] [SECONDS]   (defaults: build/rel 10 60)
#
# Needs Xvfb (xvfb-run), xdotool, which clicks the tray icon and the device and page tabs, and
# trayer, a notification area for the tray icon (the program shows its window when it finds the
# mouse; a click on the icon puts it back in the tray). Without DISPLAY the script starts its own
# virtual X server at 1600x1000. Other programs busy on the machine show in the CPU numbers: the
# script prints the load average before and after.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/rel}
runs=${2:-10}
seconds=${3:-60}
program=$build/src/app/entry/quillon
for tool in xdotool trayer; do
  command -v $tool >/dev/null || { echo "$tool is needed (apt-get install $tool)" >&2; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
work=$(mktemp -d)
pid=
tray=
cleanup() {
  if [ -n "$pid" ]; then kill -TERM "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  if [ -n "$tray" ]; then kill -TERM "$tray" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export QUILLON_DATA_DIR=$work/data XDG_RUNTIME_DIR=$work/run QUILLON_DEBUG=1
mkdir -p "$work/run" && chmod 700 "$work/run"
ticks=$(getconf CLK_TCK)
rows=()
row() { rows+=("$(printf '%-34s %s' "$1" "$2")"); }

wait_ready() {  # log file, pid
  local waited=0
  until grep -q "window ready" "$1" 2>/dev/null; do
    kill -0 "$2" 2>/dev/null || { echo "quillon ended before its window was ready" >&2; exit 1; }
    sleep 0.002
    waited=$((waited + 1))
  done
}

start_up() {
  local times=()
  for i in $(seq "$runs"); do
    local log=$work/start-$i.log
    local start=$(date +%s%N)
    QUILLON_DEBUG_FILE=$log "$program" --simulate &
    local p=$!
    wait_ready "$log" "$p"
    local ready=$(date +%s%N)
    times+=($(( (ready - start) / 1000000 )))
    kill -TERM "$p"; wait "$p" || true
  done
  local sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  row "start to window ready (ms)" \
    "median ${sorted[$((runs / 2))]}  min ${sorted[0]}  max ${sorted[$((runs - 1))]}  ($runs starts)"
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

cpu_over() {  # label
  local before=$(cpu_ticks)
  sleep "$seconds"
  local after=$(cpu_ticks)
  local ms=$(( (after - before) * 1000 / ticks ))
  row "CPU $1" "$(awk -v ms="$ms" -v s="$seconds" \
    'BEGIN { printf "%.2f %% of a core  (%d ms in %d s)", ms / (s * 10), ms, s }')"
}

main_window() { xdotool search --onlyvisible --name "^Quillon Driver$" 2>/dev/null | head -1; }

click() {  # x y inside the main window
  local id=$(main_window)
  [ -n "$id" ] || { echo "the main window is not shown" >&2; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1
  # The pointer leaves the window, so that no hover effect stays lit.
  xdotool mousemove 0 0
}

# Tabs of the main window's skin: device tabs in the caption, then each device's page tabs.
show_page() {  # device tab x, page tab x
  click "$1" 24
  sleep 0.3
  click "$2" 70
  sleep 2
}

start_up
# The notification area: a strip at the top left whose first icon is the program's.
trayer --edge top --align left --widthtype pixel --width 200 --heighttype pixel --height 24 \
  >/dev/null 2>&1 &
tray=$!
sleep 1
QUILLON_DEBUG_FILE=$work/idle.log "$program" --simulate &
pid=$!
wait_ready "$work/idle.log" "$pid"
sleep 3
if [ -n "$(main_window)" ]; then
  xdotool mousemove 12 12 click 1 mousemove 0 0  # the tray icon hides the window
  sleep 1
fi
[ -z "$(main_window)" ] || { echo "the window did not go to the tray" >&2; exit 1; }
sleep 2
row "resident memory idle (MiB)" "$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' /proc/$pid/status)"
row "threads idle" "$(awk '/Threads/ {print $2}' /proc/$pid/status)"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
cpu_over "tray, 3 devices"
"$program" --simulate  # a second start asks the running one to show its window
sleep 1
show_page 286 63   # keyboard: lighting
cpu_over "window, kb lighting (main)"
show_page 386 63   # mouse: performance
cpu_over "window, ms performance (main)"
show_page 486 63   # mousepad: lighting
cpu_over "window, mp lighting (main)"
show_page 386 251  # mouse: lighting, with its preview
cpu_over "window, ms lighting preview"
row "resident memory at end (MiB)" "$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' /proc/$pid/status)"
row "load average before / after" "$load_before / $(cut -d' ' -f1-3 /proc/loadavg)"

echo "quillon $(basename "$build"), $(nproc) cores, CPU over ${seconds} s each"
printf '%s\n' "${rows[@]}"
