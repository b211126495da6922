#!/usr/bin/env bash
# Every level can be finished, every nut and animal in it reached, and no
# place the hero can reach leaves it unable to get back to the exit: with the
# classic extras, and with each level's own extras under the wild rules.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
ln -s "$game_dir/levelcheck" levelcheck

# Usage: check NAME [LEVELCHECK OPTIONS]
check() {
  local name=$1 status report
  shift
  bounded 1200 ./levelcheck "$@" >"$name.txt" 2>/dev/null
  status=$?
  report=$(grep -v iGetPixel "$name.txt")
  echo "$report" | grep -v '^  frame'
  [[ $(grep -cE '^level [0-4]: exit reachable, nuts ([0-9]+)/\1, animals 5/5$' <<<"$report") == 5 ]] ||
    fail "a $name level has something out of reach"
  grep -q 'dead end' <<<"$report" && fail "a $name level has a dead end"
  [[ $status == 0 ]] || fail "levelcheck $* exited with status $status"
}
check classic
grep -q '^level 0: exit reachable, nuts 28/28, animals 5/5$' classic.txt || fail "the classic table lost a nut"
check wild --wild
