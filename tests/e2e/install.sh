#!/usr/bin/env bash
# cmake --install puts the game, its data, a launcher, a desktop entry and an
# icon in place; the launcher plays in the player's own folder.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
build_dir=$(dirname "$game_dir")
prefix=$work/prefix
bounded 300 cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for f in bin/thornwald libexec/thornwald/thornwald share/thornwald/pics/title.png share/thornwald/level4.txt \
  share/thornwald/BoldFaceLie.TTF share/applications/thornwald.desktop share/icons/hicolor/128x128/apps/thornwald.png; do
  [[ -e $prefix/$f ]] || fail "missing $f"
done

# Without an audio device the game writes its score files and stops with status 1.
run() {
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/nonexistent/dir/audio bounded 60 "$prefix/bin/thornwald" >/dev/null
}
HOME=$work/home XDG_DATA_HOME= run
[[ $? == 1 ]] || fail "the launcher did not run the game"
player_dir=$work/home/.local/share/thornwald
[[ $(wc -l <"$player_dir/scoredata.txt") == 10 ]] || fail "no score file in $player_dir"
[[ -L $player_dir/pics && -e $player_dir/level0.txt ]] || fail "the data are not linked into $player_dir"
HOME=$work/home XDG_DATA_HOME=$work/xdg run
[[ -e $work/xdg/thornwald/scorenames.txt ]] || fail "XDG_DATA_HOME is not used"
