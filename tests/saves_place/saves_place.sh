#!/usr/bin/env bash
# Where the real game keeps its saved games: GAME_DIR SCRATCH_DIR.
#
# A writable copy of the game folder keeps its slots and makes no folder of the
# player's; a copy with its write bit removed sends them to $XDG_DATA_HOME/veltrane,
# made with five empty slots on first use, and a slot already there is never
# touched. Root may write anywhere, so as root the game runs as nobody.
set -uo pipefail
game_dir=$1
scratch=$2
chmod -R u+w "$scratch" 2>/dev/null
rm -rf "$scratch" && mkdir -p "$scratch"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

fail() {
  echo "FAILED: $*"
  for f in "$scratch"/*.out "$scratch"/*.err; do [ -e "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

as_player=()
if [ "$(id -u)" -eq 0 ]; then
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chmod 755 "$scratch"
fi

# Starts the game in FOLDER with DATA_HOME, lets it reach its start-up window, ends it.
start() {
  local folder=$1 data_home=$2 name=$3
  XDG_DATA_HOME=$data_home XDG_RUNTIME_DIR=$scratch/run-$name HOME=$scratch/home \
    timeout 5 "${as_player[@]}" "$folder/veltrane" >"$scratch/$name.out" 2>"$scratch/$name.err"
  [ "$(grep -c "saved games are kept in" "$scratch/$name.out")" -eq 1 ] ||
    fail "$name: the place of the saved games was not said exactly once"
}

# A writable copy.
cp -r "$game_dir" "$scratch/writable"
mkdir -p "$scratch/run-writable" "$scratch/run-readonly" "$scratch/run-again" "$scratch/data"
[ ${#as_player[@]} -gt 0 ] && chown -R 65534:65534 "$scratch/writable" "$scratch"/run-* "$scratch/data"
start "$scratch/writable" "$scratch/data" writable
grep -q "kept in $scratch/writable\$" "$scratch/writable.out" || fail "a writable game folder gave its slots away"
[ -e "$scratch/data/veltrane" ] && fail "a writable game folder made a folder of the player's too"

# The same copy, read-only.
chmod -R a-w "$scratch/writable"
start "$scratch/writable" "$scratch/data" readonly
grep -q "kept in $scratch/data/veltrane\$" "$scratch/readonly.out" ||
  fail "a read-only game folder did not send the slots to the player's folder"
for n in 15 16 17 18 19; do
  [ "$(tr -d '\r' <"$scratch/data/veltrane/Zorl$n.dat")" = "<EMPTY>" ] ||
    fail "slot Zorl$n.dat was not made empty"
done

# Once there, the player's slots are the player's: none is made again.
printf 'Kept\r\n' >"$scratch/data/veltrane/Zorl16.dat"
rm "$scratch/data/veltrane/Zorl18.dat"
start "$scratch/writable" "$scratch/data" again
[ "$(tr -d '\r' <"$scratch/data/veltrane/Zorl16.dat")" = "Kept" ] || fail "a slot of the player's was overwritten"
[ -e "$scratch/data/veltrane/Zorl18.dat" ] || fail "a missing slot was not made again"
chmod -R u+w "$scratch/writable"
echo "saved games: in a writable game folder, else in the player's data folder"
