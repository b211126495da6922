#!/usr/bin/env bash
# The real game in a real X window: caption, first frame, a level on key 1,
# and a clean exit on Escape.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

# Start a server on a free display; two servers starting at once may pick the
# same number, and then the loser exits, so try again.
start_server() {
  rm -f display.txt
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>display.txt 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [[ -s display.txt ]] && break; kill -0 "$xvfb" 2>/dev/null || return 1; sleep 0.1; done
  export DISPLAY=:$(cat display.txt)
  # The server may name its display a moment before it takes connections;
  # -noreset keeps it from restarting when this probe disconnects.
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
for attempt in 1 2 3 4 5; do
  start_server && break
  kill "$xvfb" 2>/dev/null
  [[ $attempt == 5 ]] && fail "no X server would start"
done
cleanup_steps+=("kill $xvfb")

# Sets wid to the game's window once it is there.
find_window() {
  wid=""
  for _ in $(seq 200); do
    wid=$(xdotool search --name '^Thornwald$' 2>/dev/null | head -n1) && [[ -n $wid ]] && return 0
    sleep 0.05
  done
  return 1
}

# Times every flip from outside the game; an ASan build loads its runtime first anyway.
flip_times=$game_dir/../e2e/libflip_times.so
[[ -f $flip_times ]] || fail "no $flip_times"
LD_PRELOAD=$flip_times THORNWALD_FLIP_LOG=$work/flips.txt ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
  ./thornwald >game.log 2>&1 &
pid=$!
cleanup_steps+=("kill $pid 2>/dev/null")
find_window || { cat game.log; kill -0 "$pid" 2>/dev/null && echo "(still running)"; fail "no window captioned Thornwald"; }

# The title picture, pixel for pixel.
same=""
for _ in $(seq 50); do
  import -window "$wid" title-shot.png 2>/dev/null
  diff=$(compare -metric AE title-shot.png pics/title.png null: 2>&1)
  [[ $diff == 0 ]] && same=1 && break
  sleep 0.1
done
[[ -n $same ]] || fail "first frame differs from pics/title.png in $diff pixels"

xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key 1
changed=""
for _ in $(seq 50); do
  sleep 0.1
  import -window "$wid" level-shot.png 2>/dev/null
  diff=$(compare -metric AE level-shot.png pics/title.png null: 2>&1)
  [[ $diff != 0 ]] && changed=1 && break
done
[[ -n $changed ]] || fail "key 1 did not leave the title"

# Five seconds of play, running right: the game paces itself to a 16 ms step
# and sleeps the rest, however fast the machine.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
xdotool keydown Right
first=$(wc -l <flips.txt)
cpu0=$(cpu_ticks)
sleep 5
cpu1=$(cpu_ticks)
last=$(wc -l <flips.txt)
xdotool keyup Right
read -r passes short <<<"$(sed -n "$((first + 1)),${last}p" flips.txt |
  awk 'NR > 1 { n++; if ($1 - prev < 15000) s++ } { prev = $1 } END { print n + 0, s + 0 }')"
cpu_share=$(awk -v t="$((cpu1 - cpu0))" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.3f", t / hz / 5 }')
echo "play: $passes passes in 5 s, $short under 15 ms, CPU $cpu_share of a core"
((passes > 100)) || fail "only $passes passes in five seconds of play"
((short * 20 <= passes)) || fail "$short of $passes passes came less than 15 ms after the one before"
awk -v c="$cpu_share" 'BEGIN { exit !(c < 1 / 3) }' || fail "the game used $cpu_share of a core"
[[ -n ${THORNWALD_SHOTS:-} ]] && cp title-shot.png level-shot.png "$THORNWALD_SHOTS"/

xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
status=$?
[[ $status == 0 ]] || { cat game.log; fail "Escape ended the game with status $status"; }

# Escape at once, while the first level is still being painted behind the title.
./thornwald >quick.log 2>quick.err &
pid=$!
cleanup_steps+=("kill $pid 2>/dev/null")
find_window || fail "Escape at once: no window"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
status=$?
[[ $status == 0 && ! -s quick.log ]] || { cat quick.log quick.err; fail "Escape at once: status $status"; }
echo "window: 6 passed, 0 failed"
