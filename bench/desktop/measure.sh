#!/usr/bin/env bash
# The game's desktop figures, each against a bare SDL window measured in the same
# run on the same virtual X server (software renderer, no sound card):
#   start    from starting the program to its first window on the screen (median of 5)
#   memory   peak resident size: the game after the start-up window, the title, a new
#            game's conversation, a walk and standing still; the bare window idle
#   idle CPU share of one core over 10 s standing on the game screen (bare: idle), with
#            the music playing and again with the music turned off in the options
# VELTRANE_MEASURE_SHOT=NAME keeps screenshots of the game screen stood on (NAME.png,
# NAME.quiet.png).
# usage: bench/desktop/measure.sh [BUILD_DIR]   (default build/; needs Xvfb and xdotool)
# Marks: start at most 1.5 times the bare window's, memory at most 64 MB, idle CPU at
# most 2 % of a core.
set -uo pipefail
build=$(realpath "${1:-build}")
game=$build/game/veltrane
bare=$build/bench/veltrane-bare-window
for f in "$game" "$bare"; do [ -x "$f" ] || { echo "missing $f: build first"; exit 2; }; done
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp >"$work/xvfb.log" 2>&1 &
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work/data

now() { date +%s%N; }
# Milliseconds from starting PROGRAM to a visible window titled TITLE.
start_ms() {
  local program=$1 title=$2 t0 pid
  t0=$(now)
  "$program" >/dev/null 2>&1 &
  pid=$!
  local deadline=$((t0 + 20000000000))
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    [ "$(now)" -lt "$deadline" ] || { echo "no $title window within 20 s" >&2; break; }
    sleep 0.002
  done
  echo $((($(now) - t0) / 1000000))
  kill "$pid"
  wait "$pid" 2>/dev/null
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Share of one core PID used over SECONDS, in percent.
idle_cpu() {
  local pid=$1 seconds=$2 before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v s="$seconds" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.1f", 100 * t / hz / s }'
}
peak_kb() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }

for _ in 1 2 3 4 5; do start_ms "$bare" "Bare window"; done | median >"$work/bare_start"
for _ in 1 2 3 4 5; do start_ms "$game" Veltrane; done | median >"$work/game_start"

"$bare" >/dev/null 2>&1 &
bare_pid=$!
sleep 2
bare_cpu=$(idle_cpu "$bare_pid" 10)
bare_peak=$(peak_kb "$bare_pid")
kill "$bare_pid"

# Plays a new game's first minute in the game started with ENV, then stands still.
play_and_stand() {
  env "$@" "$game" >"$work/game.log" 2>&1 &
  game_pid=$!
  sleep 3
xdotool mousemove 383 430 click 1  # Window
sleep 0.5
xdotool mousemove 577 410 click 1  # the big button; the presentation, then the title
sleep 12
  xdotool key Return  # START A NEW GAME: the welcome is typed out line by line
  for _ in $(seq 45); do xdotool key Return; sleep 0.8; done
  xdotool keydown Right && sleep 1 && xdotool keyup Right
  xdotool keydown Left && sleep 1 && xdotool keyup Left
  sleep 2
}
play_and_stand
game_cpu=$(idle_cpu "$game_pid" 10)
game_peak=$(peak_kb "$game_pid")
import -window root "${VELTRANE_MEASURE_SHOT:-$work/standing}.png" 2>/dev/null
# The music turned off in the options (F2, Right, Esc): what the game itself takes.
xdotool key F2 && sleep 0.5 && xdotool key Right && sleep 0.5 && xdotool key Escape && sleep 2
quiet_cpu=$(idle_cpu "$game_pid" 10)
import -window root "${VELTRANE_MEASURE_SHOT:-$work/standing}.quiet.png" 2>/dev/null
kill "$game_pid"

bare_start=$(cat "$work/bare_start")
game_start=$(cat "$work/game_start")
awk -v gs="$game_start" -v bs="$bare_start" -v gp="$game_peak" -v bp="$bare_peak" \
  -v gc="$game_cpu" -v bc="$bare_cpu" -v qc="$quiet_cpu" 'BEGIN {
  printf "| figure | bare SDL window | Veltrane | mark | within |\n|---|---|---|---|---|\n"
  printf "| start to first window | %d ms | %d ms (%.2fx) | 1.5x | %s |\n", bs, gs, gs / bs,
    gs <= 1.5 * bs ? "yes" : "NO"
  printf "| peak memory | %.1f MB | %.1f MB | 64 MB | %s |\n", bp / 1024, gp / 1024,
    gp <= 65536 ? "yes" : "NO"
  printf "| idle CPU | %.1f %% | %.1f %% | 2 %% | %s |\n", bc, gc, gc <= 2 ? "yes" : "NO"
  printf "| idle CPU, music off | %.1f %% | %.1f %% | 2 %% | %s |\n", bc, qc, qc <= 2 ? "yes" : "NO"
}'
