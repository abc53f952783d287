#!/usr/bin/env bash
# The real game in a real window: started under a virtual X server with the
# software renderer and no sound card, it is clicked through the start-up
# window to the title screen, starts a new game, walks, opens the menu and
# leaves with YES. Screenshots are checked for what a player must see.
#
# usage: play_in_a_window.sh GAME_DIR WORK_DIR
# Exits 77 (skipped) only when no X server can be started here.
set -uo pipefail
game_dir=$1
work=$2
rm -rf "$work" && mkdir -p "$work"

for tool in Xvfb xdotool import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed, so no window can be opened and watched here"
    exit 77
  fi
done

# A display of our own: Xvfb picks a free number and tells it.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
if ! [ -s "$work/display" ]; then
  echo "SKIPPED: the virtual X server could not start: $(head -c 300 "$work/xvfb.log")"
  kill "$xvfb" 2>/dev/null
  exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"

game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  echo "screenshots and logs: $work"
  exit 1
}

shot() { import -window root "$work/$1.png" 2>/dev/null || fail "no screenshot $1"; }

# The share of pixels in a desktop rectangle W x H + X + Y that have exactly
# the colour C (0 to 1).
share_of() {
  convert "$work/$1.png" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
    -colorspace Gray -format '%[fx:mean]' info:
}
# The mean brightness of a rectangle (0 black to 1 white).
brightness() {
  convert "$work/$1.png" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:
}
at_least() { awk -v v="$1" -v m="$2" 'BEGIN { exit !(v >= m) }'; }

# In a sanitizer build, leaks are looked for by the headless suites: here the
# display's drivers are loaded and unloaded while the game runs, so what they
# keep cannot even be named in a suppression.
if [ -n "${ASAN_OPTIONS:-}" ]; then export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"; fi
SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software "$game_dir/veltrane" >"$work/game.log" 2>&1 &
game=$!
sleep 3
kill -0 "$game" 2>/dev/null || fail "the game did not start: $(head -c 300 "$work/game.log")"
shot startup
at_least "$(brightness startup 302x147+361+310)" 0.03 || fail "the start-up window is black"

# Window, then the big button; the presentation spells its line, then the title.
xdotool mousemove 383 430 click 1
sleep 0.5
xdotool mousemove 577 410 click 1
sleep 12
shot title
# The game's window stands centred: 640 x 480 at 192, 144.
at_least "$(brightness title 640x480+192+144)" 0.05 || fail "the title screen is black"
# START A NEW GAME is selected: yellow; the other items olive.
at_least "$(share_of title 186x21+417+384 '#FFFF00')" 0.02 || fail "no yellow first item on the title"
at_least "$(share_of title 110x21+456+408 '#808000')" 0.02 || fail "no olive LOAD GAME on the title"

# Enter starts a new game; the briefing's six lines are typed out one after
# another, each going on with Enter. A press while a line is still typed only
# waits, and one on the game screen does nothing, so pressing every second for
# twice as long as the typing takes is safe.
xdotool key Return
sleep 2
shot briefing
for _ in $(seq 40); do xdotool key Return; sleep 1; done
xdotool keydown Right
sleep 1
xdotool keyup Right
sleep 0.5
shot game
at_least "$(brightness game 572x332+226+167)" 0.05 || fail "the street is black"
at_least "$(brightness game 600x100+212+510)" 0.05 || fail "the game bar is black"

# Esc opens the menu with BACK TO GAME in yellow; Up goes round to EXIT.
xdotool key Escape
sleep 1
shot menu
# BACK TO GAME, selected, at 40, 96 of the menu, which stands at 353, 184.
at_least "$(share_of menu 235x21+393+280 '#FFFF00')" 0.02 || fail "no menu with BACK TO GAME in yellow"
xdotool key Up
sleep 0.3
xdotool key Return
sleep 1
shot question
xdotool key Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after EXIT and YES"
wait "$game"
status=$?
game=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "played in a real window: start-up, title, new game, walk, menu, exit"
