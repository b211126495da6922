#!/usr/bin/env bash
# The real game in a real X window: caption, first frame, a level on key 1,
# and a clean exit on Escape.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

start_xvfb

# Escape ends the game on its key-down, so the window may be gone before the
# key-up is sent: xdotool's complaint then is no fault, and expect_exit judges.
quit_key() { timeout 10 xdotool key --window "$wid" Escape 2>/dev/null || true; }

# Waits at most 10 s for the game to end by itself; a game still running is killed.
expect_exit() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid"
    fail "$1: the game was still running 10 s after Escape"
  fi
  wait "$pid"
}

# Times every flip from outside the game; an ASan build loads its runtime first anyway.
flip_times=$game_dir/../e2e/libflip_times.so
[[ -f $flip_times ]] || fail "no $flip_times"
LD_PRELOAD=$flip_times THORNWALD_FLIP_LOG=$work/flips.txt ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
  ./thornwald >game.log 2>&1 &
pid=$!
cleanup_steps+=("kill $pid 2>/dev/null")
find_window || { cat game.log; kill -0 "$pid" 2>/dev/null && echo "(still running)"; fail "no window captioned Thornwald"; }

# The title picture, pixel for pixel, but for the live text the game writes on
# its signs: the rules chosen, and "Loading..." while the first level is painted.
unlabelled() {
  timeout 10 convert "$1" -fill black -draw "rectangle 190,436 350,478" -draw "rectangle 505,198 630,234" "$2"
}
unlabelled pics/title.png title-plain.png
differs_from_title() {
  timeout 10 import -window "$wid" "$1" 2>/dev/null && unlabelled "$1" shot-plain.png &&
    timeout 10 compare -metric AE shot-plain.png title-plain.png null: 2>&1
}
same=""
for _ in $(seq 50); do
  diff=$(differs_from_title title-shot.png)
  [[ $diff == 0 ]] && same=1 && break
  sleep 0.1
done
[[ -n $same ]] || fail "first frame differs from pics/title.png in $diff pixels"

press 1
changed=""
for _ in $(seq 50); do
  sleep 0.1
  diff=$(differs_from_title level-shot.png)
  [[ $diff != 0 ]] && changed=1 && break
done
[[ -n $changed ]] || fail "key 1 did not leave the title"

# Five seconds of play, running right: the game paces itself to a 16 ms step
# and sleeps the rest, however fast the machine.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
send keydown --window "$wid" Right
first=$(wc -l <flips.txt)
cpu0=$(cpu_ticks)
sleep 5
cpu1=$(cpu_ticks)
last=$(wc -l <flips.txt)
send keyup --window "$wid" Right
# A flip that a busy machine held back makes the next gap look short, though the
# game waited its step; so a gap counts as short only when the pair of gaps it
# ends is short too.
read -r passes short <<<"$(sed -n "$((first + 1)),${last}p" flips.txt |
  awk 'NR > 1 { n++; gap = $1 - prev; if (gap < 15000 && (NR == 2 || gap + last < 30000)) s++; last = gap }
       { prev = $1 } END { print n + 0, s + 0 }')"
cpu_share=$(awk -v t="$((cpu1 - cpu0))" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.3f", t / hz / 5 }')
echo "play: $passes passes in 5 s, $short under 15 ms, CPU $cpu_share of a core"
# How many passes a busy machine manages is the benchmark's business; none at all is a hang.
((passes > 0)) || fail "no pass in five seconds of play"
((short * 20 <= passes)) || fail "$short of $passes passes came less than 15 ms after the one before"
# A third of a core, unless the run says otherwise (the sanitized build's passes cost more).
cpu_limit=${THORNWALD_CPU_LIMIT:-0.333}
awk -v c="$cpu_share" -v l="$cpu_limit" 'BEGIN { exit !(c < l) }' || fail "the game used $cpu_share of a core"
[[ -n ${THORNWALD_SHOTS:-} ]] && cp title-shot.png level-shot.png "$THORNWALD_SHOTS"/

quit_key
expect_exit "Escape"
status=$?
[[ $status == 0 ]] || { cat game.log; fail "Escape ended the game with status $status"; }

# Escape at once, while the first level is still being painted behind the title.
./thornwald >quick.log 2>quick.err &
pid=$!
cleanup_steps+=("kill $pid 2>/dev/null")
find_window || fail "Escape at once: no window"
quit_key
expect_exit "Escape at once"
status=$?
[[ $status == 0 && ! -s quick.log ]] || { cat quick.log quick.err; fail "Escape at once: status $status"; }
