#!/usr/bin/env bash
# Start-up and a minute of play with each picture, sound, map and the font
# missing in turn, and with garbage, huge lines and unreadable score files and
# maps: the game goes on, nothing crashes, and the score files it writes stay whole.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
seconds=${THORNWALD_BAD_FILE_SECONDS:-60}
limit=600  # s of real time for one case, however slow the build
passed=0

# A scratch copy of the game with real (not linked) score files.
fresh() {
  rm -rf run && mkdir run && cd run || exit 1
  for f in "$game_dir"/pics "$game_dir"/sound "$game_dir"/BoldFaceLie.TTF "$game_dir"/level?.txt; do
    ln -s "$f" .
  done
  ln -s "$game_dir/thornwald-drive" .
}

scores_whole() {
  [[ -d scoredata.txt ]] && return 0  # left alone when it cannot be written
  [[ $(wc -l <scoredata.txt) == 10 && $(wc -l <scorenames.txt) == 10 ]] || return 1
  ! grep -qvE '^-?[0-9]+$' scoredata.txt
}

play() {
  bounded "$limit" ./thornwald-drive "$seconds" 5 >drive.log 2>&1
  local status=$?
  [[ $status == 0 ]] || fail "$1: the game ended with status $status"
  scores_whole || fail "$1: the score files are not ten whole lines"
  passed=$((passed + 1))
  cd "$work" || exit 1
}

# Each picture, sound, map and the font missing in turn.
for f in "$game_dir"/pics/*.png "$game_dir"/sound/*.wav "$game_dir"/level?.txt "$game_dir"/BoldFaceLie.TTF; do
  fresh
  name=${f#"$game_dir"/}
  if [[ $name == */* ]]; then
    dir=${name%%/*}
    rm "$dir" && mkdir "$dir" && for g in "$game_dir/$dir"/*; do [[ $g == "$f" ]] || ln -s "$g" "$dir/"; done
  else
    rm "$name"
  fi
  play "without $name"
done

garbage() { for _ in $(seq 200); do printf '\x00\xff\x13\r\n\x80%s\r\x7f' "$RANDOM"; done; }
huge_line() { head -c 3000000 /dev/zero | tr '\0' 'x'; }

fresh; garbage >scoredata.txt; garbage >scorenames.txt; play "garbage score files"
fresh; huge_line >scoredata.txt; { huge_line; echo; } >scorenames.txt; play "huge score lines"
fresh; mkdir scoredata.txt scorenames.txt; play "unreadable score files"
fresh; rm level0.txt level1.txt level2.txt
garbage >level0.txt; huge_line >level1.txt; mkdir level2.txt; play "garbage, huge and unreadable maps"
echo "bad files: $passed cases passed"
