#!/usr/bin/env bash
# Seed corpora for the fuzz targets, from the files the build made and the
# files the tests keep: GAME_DIR SOURCE_DIR OUT_DIR.
set -euo pipefail
game=$1 source=$2 out=$3
rm -rf "$out"
mkdir -p "$out"/{district_file,records,script,saved_game,runner_script,picture}

cp "$game"/Strategy0?.dat "$out/district_file/"
# Each district's sign and switch lists (everything before its size), one file per district.
for f in "$game"/Strategy0?.dat; do
  awk '/,/ { exit } { print }' "$f" | sed -e 's/\r$//' -e 's/^"//' -e 's/"$//' \
    > "$out/records/$(basename "$f" .dat).txt" || true
done

# The conversation script, one seed per section (so each fits a fuzzer's input).
awk -v dir="$out/script" '
  /^(Conv|Obj)/ && !inside { n++; file = sprintf("%s/section%03d.txt", dir, n); inside = 1 }
  inside { print > file }
  /^\r?$/ && inside { print "EOF\r" > file; close(file); inside = 0 }
' "$game/Morvane03.dat"

cp "$source"/tests/data/*.dat "$out/saved_game/" 2>/dev/null || true
find "$source/tests/scripts" -name '*.dat' -exec cp {} "$out/saved_game/" \;

find "$source/tests/scripts" -name '*.txt' | while read -r f; do
  cp "$f" "$out/runner_script/$(echo "${f#"$source"/tests/scripts/}" | tr / _)"
done

# The smaller pictures: every kind of picture the game has, without the big screens.
find "$game" -name '*.dat' -size -24k -exec sh -c \
  'head -c 8 "$1" | grep -q PNG && cp "$1" "$2/"' _ {} "$out/picture" \;
