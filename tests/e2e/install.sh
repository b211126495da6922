#!/usr/bin/env bash
# cmake --install puts the game, its data, a launcher, a desktop entry and an
# icon in place; the launcher plays in the player's own folder.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
build_dir=$(dirname "$game_dir")
export prefix=$work/prefix
bounded 300 cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for f in bin/thornwald libexec/thornwald/thornwald libexec/thornwald/thornwald-game \
  share/thornwald/pics/title.png share/thornwald/level4.txt share/thornwald/BoldFaceLie.TTF \
  share/applications/thornwald.desktop share/icons/hicolor/128x128/apps/thornwald.png; do
  [[ -e $prefix/$f ]] || fail "missing $f"
done

# Without an audio device the game writes its score files and stops with status 1.
run() {
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/nonexistent/dir/audio timeout 60 \
    "$prefix/bin/thornwald" >/dev/null
}
HOME=$work/home XDG_DATA_HOME= run
[[ $? == 1 ]] || fail "the launcher did not run the game"
player_dir=$work/home/.local/share/thornwald
[[ $(wc -l <"$player_dir/scoredata.txt") == 10 ]] || fail "no score file in $player_dir"
[[ -L $player_dir/pics && -e $player_dir/level0.txt ]] || fail "the data are not linked into $player_dir"
HOME=$work/home XDG_DATA_HOME=$work/xdg run
[[ -e $work/xdg/thornwald/scorenames.txt ]] || fail "XDG_DATA_HOME is not used"
HOME=$work/home XDG_DATA_HOME=relative/xdg run
[[ $(wc -l <"$player_dir/scoredata.txt") == 10 && ! -e relative ]] || fail "a relative XDG_DATA_HOME was used"

# The launcher stops with a message, and the game does not start, when it has
# nowhere to play or something of the player's is in the way.
refused() {
  local why=$1 dir=$2
  shift 2
  "$@" 2>refusal.txt
  local status=$?
  [[ $status != 0 && $(cat refusal.txt) == thornwald:* ]] || fail "$why: status $status, said '$(cat refusal.txt)'"
  [[ ! -e $dir/scoredata.txt ]] || fail "$why: the game ran"
}
refused "no HOME" /.local/share/thornwald env -u HOME -u XDG_DATA_HOME bash -c "$(declare -f run); run"
mkdir -p "$work/taken/thornwald/pics"
refused "a folder in place of pics" "$work/taken/thornwald" env XDG_DATA_HOME="$work/taken" bash -c "$(declare -f run); run"
[[ -z $(ls "$work/taken/thornwald/pics") ]] || fail "a link was put inside the player's pics folder"
mkdir -p "$work/readonly/thornwald"
if ((EUID == 0)); then
  chmod 755 "$work"  # someone else must get through to the installed game
  refused "a read-only folder" "$work/readonly/thornwald" env XDG_DATA_HOME="$work/readonly" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups bash -c "$(declare -f run); run"
else
  chmod 555 "$work/readonly/thornwald"
  refused "a read-only folder" "$work/readonly/thornwald" env XDG_DATA_HOME="$work/readonly" \
    bash -c "$(declare -f run); run"
fi

# A link left by a copy installed elsewhere (its launcher noted its data folder) is renewed.
ln -sfn /old/prefix/share/thornwald/sound "$player_dir/sound"
echo /old/prefix/share/thornwald >>"$player_dir/datalinks.txt"
HOME=$work/home run
[[ $(readlink -f "$player_dir/sound") == $(readlink -f "$prefix/share/thornwald/sound") ]] || fail "an old link was kept"
# The player's own link is left alone, even one into a folder named thornwald.
mkdir -p "$work/mine/thornwald/sound"
ln -sfn "$work/mine/thornwald/sound" "$player_dir/sound"
HOME=$work/home run 2>refusal.txt
[[ $(readlink "$player_dir/sound") == "$work/mine/thornwald/sound" ]] || fail "the player's own link was replaced"
[[ $(cat refusal.txt) == thornwald:* ]] || fail "the player's own link: said '$(cat refusal.txt)'"

# Two first launches at once: each finds the other's fresh links, and neither may
# take them for the player's. A stand-in game, beside the installed launcher and data,
# keeps the rounds quick.
race=$work/race
mkdir -p "$race/bin" "$race/libexec/thornwald" "$race/share"
cp "$prefix/bin/thornwald" "$race/bin/"
ln -s "$prefix/share/thornwald" "$race/share/thornwald"
printf '#!/bin/sh\necho started\n' >"$race/libexec/thornwald/thornwald"
chmod +x "$race/libexec/thornwald/thornwald"
for round in $(seq 10); do
  for who in a b; do
    XDG_DATA_HOME=$work/race-$round bounded 30 "$race/bin/thornwald" >"race-$who.out" 2>"race-$who.err" &
  done
  wait
  for who in a b; do
    [[ $(cat "race-$who.out") == started && ! -s race-$who.err ]] ||
      fail "round $round: a launcher started beside another said '$(cat "race-$who.err")'"
  done
done
