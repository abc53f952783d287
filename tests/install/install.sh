#!/usr/bin/env bash
# Installs the game into a scratch prefix and checks what a desktop needs of it:
# BUILD_DIR SCRATCH_DIR.
#
# The desktop entry and the AppStream file validate; the icon is there in every size,
# each the size its folder says; the game folder has every data file but no saved
# game; the game started by the desktop entry's command runs and finds all its files.
set -uo pipefail
build=$1
scratch=$2
chmod -R u+w "$scratch" 2>/dev/null
rm -rf "$scratch" && mkdir -p "$scratch"
prefix=$scratch/prefix
id=org.veltrane.Veltrane

fail() {
  echo "FAILED: $*"
  for f in "$scratch"/*.log; do [ -e "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || fail "the install failed"

entry=$prefix/share/applications/$id.desktop
desktop-file-validate "$entry" >"$scratch/desktop.log" 2>&1 || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
  fail "the AppStream file is not valid"

for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || fail "no $size pixel icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "the $size pixel icon has another size"
done

game=$prefix/lib/veltrane
[ -x "$game/veltrane" ] || fail "no game in $game"
for file in "$build"/game/*.dat; do
  name=$(basename "$file")
  case $name in
    Zorl1[5-9].dat) [ -e "$game/$name" ] && fail "the saved-game slot $name was installed" ;;
    *) cmp -s "$file" "$game/$name" || fail "$name was not installed as built" ;;
  esac
done

# The entry's own command, as a desktop would run it.
command=$(sed -n 's/^Exec=//p' "$entry")
[ "$command" = "$prefix/bin/veltrane" ] || fail "the entry's command is $command"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$scratch XDG_DATA_HOME=$scratch/data
(cd / && exec $command) >"$scratch/game.log" 2>&1 &
pid=$!
sleep 3
kill -0 $pid 2>/dev/null || fail "the installed game ended at once"
kill $pid
wait $pid 2>/dev/null
grep -q "saved games are kept in" "$scratch/game.log" || fail "the installed game did not say where its saves are"
grep -qi "cannot" "$scratch/game.log" && fail "the installed game missed something"
echo "installed into $prefix: entry, AppStream, icons, game folder and launcher all good"
