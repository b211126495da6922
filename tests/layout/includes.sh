#!/usr/bin/env bash
# The floor plan of src/: the platform at the bottom includes no game folder;
# the subsystems include nothing of the game flow in src/shell but the shared
# state in shell/GameState.h; and no two files include each other, however
# far round (a header and its source count as one).
# Usage: includes.sh SOURCE_DIR
set -uo pipefail
cd "$1/src" || exit 1
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# Every "file: included" pair, both as paths relative to src/.
edges() {
  grep -rHo '^#include "[a-z]*/[A-Za-z]*\.h"' --include='*.h' --include='*.cpp' . |
    sed -E 's#^\./([^:]*):\#include "(.*)"#\1 \2#'
}

while read -r file included; do
  folder=${file%%/*}
  target=${included%%/*}
  [[ $folder == platform && $target != platform ]] && fail "$file includes $included"
  [[ $folder != shell && $target == shell && $included != shell/GameState.h ]] && fail "$file includes $included"
done < <(edges)

# tsort names a loop when there is one; a header and its source are one node.
loops=$(edges | sed -E 's/\.(h|cpp)//g' | awk '$1 != $2' | tsort 2>&1 >/dev/null)
[[ -z $loops ]] || fail "include circle: $(echo "$loops" | grep -v 'input contains a loop' | tr '\n' ' ')"

exit "$failed"
