#!/usr/bin/env bash
# The game's failure exits: no video, no audio device.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"

SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=dummy bounded 60 ./thornwald >out.txt 2>/dev/null
status=$?
out=$(<out.txt)
[[ $status == 255 ]] || fail "no video: status $status, want 255 (-1)"
[[ $out == "Couldn't initialize SDL: "* ]] || fail "no video: printed '$out'"
[[ ! -e scoredata.txt ]] || fail "no video: score files must not be touched"

SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/nonexistent/dir/audio bounded 60 ./thornwald >out.txt
status=$?
out=$(<out.txt)
[[ $status == 1 ]] || fail "no audio: status $status, want 1"
[[ $out == "Unable to open audio!" ]] || fail "no audio: printed '$out'"
[[ $(wc -l <scoredata.txt) == 10 && $(wc -l <scorenames.txt) == 10 ]] ||
  fail "no audio: both score files must be written before the exit"
