#!/usr/bin/env bash
# Every level can be finished, every nut and animal in it reached, and no
# place the hero can reach leaves it unable to get back to the exit.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
ln -s "$game_dir/levelcheck" levelcheck
bounded 1200 ./levelcheck >report.txt 2>/dev/null
status=$?
report=$(grep -v iGetPixel report.txt)
echo "$report" | grep -v '^  frame'
[[ $(grep -c '^level [0-4]: exit reachable, nuts 28/28, animals 5/5$' <<<"$report") == 5 ]] ||
  fail "a level has something out of reach"
grep -q 'dead end' <<<"$report" && fail "a level has a dead end"
[[ $status == 0 ]] || fail "levelcheck exited with status $status"

# The same with each level's own extras under the wild rules.
bounded 1200 ./levelcheck --wild >wild.txt 2>/dev/null
status=$?
report=$(grep -v iGetPixel wild.txt)
echo "$report" | grep -v '^  frame'
[[ $(grep -cE '^level [0-4]: exit reachable, nuts ([0-9]+)/\1, animals 5/5$' <<<"$report") == 5 ]] ||
  fail "a wild level has something out of reach"
grep -q 'dead end' <<<"$report" && fail "a wild level has a dead end"
[[ $status == 0 ]] || fail "levelcheck --wild exited with status $status"
