#!/usr/bin/env bash
# The floor plan of src/: the platform at the bottom includes no game folder;
# nothing but src/shell includes the game flow in src/shell (the subsystems read
# the shared state in state/GameState.h, below them); no two files include each other, however far
# round (a header and its source count as one); and no two folders do either:
# src/a including src/b and src/b including src/a, however far round, is a loop
# even when no file of it is.
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
  [[ $folder != shell && $target == shell ]] && fail "$file includes $included"
done < <(edges)

# tsort names a loop when there is one; a header and its source are one node.
loops=$(edges | sed -E 's/\.(h|cpp)//g' | awk '$1 != $2' | tsort 2>&1 >/dev/null)
[[ -z $loops ]] || fail "include circle: $(echo "$loops" | grep -v 'input contains a loop' | tr '\n' ' ')"

# The same between folders: each folder including another is one edge.
folderLoops=$(edges | sed -E 's#^([a-z]*)/[^ ]* ([a-z]*)/.*#\1 \2#' | awk '$1 != $2' | sort -u | tsort 2>&1 >/dev/null)
[[ -z $folderLoops ]] ||
  fail "folder loop: $(echo "$folderLoops" | grep -v 'input contains a loop' | sed 's/^tsort: //' | tr '\n' ' ')"

exit "$failed"
