#!/usr/bin/env bash
# SIGTERM and SIGINT end the real game at any moment, start-up and the painting
# of the levels included, within a second and with the status of a closed
# window (a SIGINT inherited as ignored stays ignored: inherited.sh), and while a FIFO stands in place of
# a sound or the font, or while nobody reads the game's standard output. A FIFO
# in place of a map neither hangs start-up nor the end.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
start_xvfb
bound=1  # seconds from the signal to the end
# The sanitizers' build starts up several times slower, and a signal during
# start-up is seen once start-up is over.
fill=5     # seconds for the out-of-bounds lines to fill a pipe
grep -q __asan_init "$game_dir/thornwald-game" && bound=4 fill=12

# A script's background job starts with SIGINT ignored, which the game keeps:
# these are started with its default action.
launch() {
  env --default-signal=INT ./thornwald >"${1:-game.log}" 2>&1 &
  pid=$!
  cleanup_steps+=("kill -9 $pid 2>/dev/null")
}

# At fixed moments of start-up (the levels are painted from about half a second on).
for when in 0.2:TERM 0.5:INT 0.8:TERM; do
  launch
  sleep "${when%%:*}"
  kill -0 "$pid" 2>/dev/null || fail "the game ended by itself"
  kill -"${when##*:}" "$pid"
  ends_within_bound "SIG${when##*:} at ${when%%:*} s"
done

# In the first milliseconds after the exec, while the shared libraries load (a
# few ms, some tens on a busy machine): the signal waits for the game's handler.
# From 2 ms on: the front's own first moments (well under 1 ms, but a busy
# machine may stretch them) still end it by the signal. A read from a FIFO
# nobody writes times the delays without starting a program.
mkfifo idle.fifo && exec {idle}<>idle.fifo
at_ms() {
  exec_seen
  read -r -t "0.$(printf %03d "$1")" -u "$idle"
  kill -"$2" "$pid"
  ends_within_bound "SIG$2 $1 ms after the exec${3:-}"
}
for round in 1 2 3 4 5 6; do
  for ms in 2 3 5 10 20; do
    launch
    at_ms "$ms" TERM ", round $round"
  done
done

# A signal that came before the handler was in place, held back by an inherited
# mask, ends the game as soon as its own code runs.
for sig in TERM INT; do
  perl -MPOSIX -e '$SIG{INT} = "DEFAULT"; sigprocmask(SIG_BLOCK, POSIX::SigSet->new(SIGTERM, SIGINT));
    kill $ARGV[0], $$; exec "./thornwald"' "$sig" >game.log 2>&1 &
  pid=$!
  cleanup_steps+=("kill -9 $pid 2>/dev/null")
  ends_within_bound "SIG$sig pending at the start"
done

# A FIFO as a sound and as the font: start-up neither waits for a writer nor
# keeps the signal waiting. The sounds are a link into the game's folder: only
# links are replaced here.
rm sound && mkdir sound && ln -s "$game_dir"/sound/* sound/
for fifo in sound/jump2.wav BoldFaceLie.TTF; do
  mv "$fifo" saved && mkfifo "$fifo"
  launch
  sleep 1.5
  kill -TERM "$pid"
  ends_within_bound "SIGTERM with a FIFO as $fifo"
  rm "$fifo" && mv saved "$fifo"
done

# During play.
launch
find_window || fail "no window"
press 1
send keydown --window "$wid" Right
sleep 1
kill -TERM "$pid"
ends_within_bound "SIGTERM during play"

# A standard output nobody reads: the hero falls out of an empty level and the
# out-of-bounds lines fill the pipe within seconds, which must not hold the game.
mkfifo unread.fifo && exec {unread}<>unread.fifo
mv level0.txt saved && : >level0.txt
launch unread.fifo
find_window || fail "unread output: no window"
press 1
sleep "$fill"
kill -TERM "$pid"
ends_within_bound "SIGTERM with a full standard output"
held=$(timeout 2 cat <&"$unread" | wc -c)
((held >= 60000)) || fail "the out-of-bounds lines did not fill the pipe ($held bytes)"
rm level0.txt && mv saved level0.txt

# A FIFO as the first map: nothing waits for a writer. A new game waits for the painting.
rm level0.txt && mkfifo level0.txt
launch
find_window || fail "FIFO map: no window"
press 1
sleep 1
# The game ends on Escape's key-down, so its key-up may find no window: no fault.
timeout 10 xdotool key --window "$wid" Escape 2>/dev/null || true
ends_within_bound "FIFO map, then Escape"
echo "slowest end after a signal: $slowest ms"
echo "signals: $passed cases passed"
