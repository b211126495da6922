# Shared by the end-to-end scripts: a scratch copy of the game's directory.
# Usage: source lib.sh GAME_DIR; then work in $work (removed on exit).
game_dir=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/thornwald-e2e-XXXXXX)
cleanup_steps=("rm -rf '$work'")
cleanup() {
  for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do eval "${cleanup_steps[i]}" || true; done
}
trap cleanup EXIT
for f in pics sound BoldFaceLie.TTF thornwald level{0..4}.txt level{0..4}-extras.txt; do
  [[ -e $game_dir/$f ]] && ln -s "$game_dir/$f" "$work/$f"
done
cd "$work"
# The script's own output, so a failure inside a redirected command still shows.
exec {report}>&1
fail() {
  echo "FAIL: $*" >&"$report"
  exit 1
}

# Runs a command for at most SECONDS; a stuck one is killed and the test fails.
bounded() {
  local seconds=$1
  shift
  timeout -k 5 "$seconds" "$@"
  local status=$?
  ((status == 124 || status == 137)) && fail "$1 still running after $seconds s"
  return "$status"
}

# Starts an X server on a free display and exports DISPLAY; it is stopped on exit.
# Two servers starting at once may pick the same number, and then the loser
# exits, so it tries again.
start_xvfb() {
  local attempt
  for attempt in 1 2 3 4 5; do
    try_xvfb && break
    kill "$xvfb" 2>/dev/null
    [[ $attempt == 5 ]] && fail "no X server would start"
  done
  cleanup_steps+=("kill $xvfb")
}
try_xvfb() {
  rm -f display.txt
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>display.txt 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [[ -s display.txt ]] && break; kill -0 "$xvfb" 2>/dev/null || return 1; sleep 0.1; done
  export DISPLAY=:$(cat display.txt)
  # The server may name its display a moment before it takes connections;
  # -noreset keeps it from restarting when this probe disconnects.
  for _ in $(seq 100); do timeout 5 xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}

# Sets wid to the game's window once it is mapped and viewable (at most 20 s).
find_window() {
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Thornwald$' 2>/dev/null | head -n1)
  [[ -n $wid ]]
}

# Keys go to the game's own window, whatever else has the focus.
send() { timeout 10 xdotool "$@" || fail "xdotool $* did not finish"; }
press() { send key --window "$wid" "$@"; }

# Waits (at most 2 s) until the shell started for the game ($pid) has become it.
exec_seen() {
  local comm start=${EPOCHREALTIME/./}  # µs
  while read -r comm <"/proc/$pid/comm"; do
    [[ $comm == thornwald* ]] && return 0
    ((${EPOCHREALTIME/./} - start < 2000000)) || break
  done 2>/dev/null
  fail "the game did not start within 2 s"
}

# Waits at most `bound` seconds for the game ($pid) to end; fails unless it ended with
# status 0. Counts the case in `passed`, and keeps the longest wait in `slowest` (ms).
passed=0 slowest=0
ends_within_bound() {
  local why=$1 start=${EPOCHREALTIME/./}  # µs
  while kill -0 "$pid" 2>/dev/null && ((${EPOCHREALTIME/./} - start < bound * 1000000)); do sleep 0.02; done
  local took=$(((${EPOCHREALTIME/./} - start) / 1000))
  ((took <= slowest)) || slowest=$took
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid"
    fail "$why: still running $bound s later"
  fi
  wait "$pid"
  local status=$?
  [[ $status == 0 ]] || { cat game.log; fail "$why: status $status"; }
  passed=$((passed + 1))
}
