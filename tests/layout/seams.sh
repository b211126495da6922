#!/usr/bin/env bash
# Time is handed down and flow goes up: only the main loop (src/shell) and the
# clock seam (src/platform) read the game time, and no subsystem includes the
# game flow of src/shell (they read the shared state in state/GameState.h).
# Usage: seams.sh SOURCE_DIR
set -uo pipefail
cd "$1/src" || exit 1
failed=0

clock=$(grep -rn --include='*.h' --include='*.cpp' 'nowMs()' . | grep -v '^\./shell/\|^\./platform/')
[[ -z $clock ]] || { echo "FAIL: the clock read outside src/shell and src/platform:"; echo "$clock"; failed=1; }

flow=$(grep -rn --include='*.h' --include='*.cpp' '^#include "shell/' . | grep -v '^\./shell/')
[[ -z $flow ]] || { echo "FAIL: a subsystem includes the game flow:"; echo "$flow"; failed=1; }

exit "$failed"
