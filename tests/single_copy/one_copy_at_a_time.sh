#!/usr/bin/env bash
# Only one copy of the game runs at a time, and a copy that was killed never keeps
# the next one out: GAME_DIR SCRATCH_DIR.
#
# A first copy runs; a second is refused with the message and ends; the first is
# killed with SIGKILL (no chance to clean up); a third starts and runs.
set -uo pipefail
game=$1/veltrane
scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"
export XDG_RUNTIME_DIR=$scratch SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
lock=$scratch/veltrane-$(id -u).lock
pids=()
trap 'kill -9 "${pids[@]}" 2>/dev/null' EXIT

fail() {
  echo "FAILED: $*"
  for f in "$scratch"/*.err; do echo "--- $f"; cat "$f"; done
  exit 1
}

# Waits until a running copy holds the lock: flock cannot take it then.
held_by() {
  local pid=$1
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || return 1
    [ -e "$lock" ] && ! flock -n "$lock" true && return 0
    sleep 0.1
  done
  return 1
}

"$game" >"$scratch/first.out" 2>"$scratch/first.err" &
pids+=($!)
first=$!
held_by "$first" || fail "the first copy never took the lock"

timeout 60 "$game" >"$scratch/second.out" 2>"$scratch/second.err"
status=$?
[ "$status" -ne 124 ] || fail "the second copy did not end"
grep -q "Veltrane is already running" "$scratch/second.err" ||
  fail "the second copy did not say it was refused"
[ "$status" -ne 0 ] || fail "the second copy ended as if it had run"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second was refused"

kill -9 "$first"
wait "$first" 2>/dev/null
[ -e "$lock" ] || fail "the lock file went with the killed copy (it should stay, unlocked)"

"$game" >"$scratch/third.out" 2>"$scratch/third.err" &
pids+=($!)
third=$!
held_by "$third" || fail "the copy after the killed one did not run"
sleep 1
kill -0 "$third" 2>/dev/null || fail "the copy after the killed one ended"
grep -q "already running" "$scratch/third.err" && fail "the killed copy still kept the next one out"
kill -9 "$third"
echo "one copy at a time: refused while running, free again after SIGKILL"
