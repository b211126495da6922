#!/usr/bin/env bash
# Time is handed down and flow goes up: only the main loop (src/shell) and the
# clock seam (src/platform) read the game time, the actions take theirs from the
# pass, and no subsystem includes the game flow of src/shell (they read the
# shared state in state/GameState.h).
# Usage: seams.sh SOURCE_DIR
set -uo pipefail
cd "$1/src" || exit 1
failed=0

# Every way to the timer counts: the seam, the clock itself and SDL's own.
reads='\bnowMs\b\|\bgameClock\b\|SDL_GetTicks'
clock=$(grep -rn --include='*.h' --include='*.cpp' "$reads" . | grep -v '^\./shell/\|^\./platform/')
[[ -z $clock ]] || { echo "FAIL: the clock read outside src/shell and src/platform:"; echo "$clock"; failed=1; }

# The actions and the commands play at the tick the main loop hands them.
played=$(grep -n "$reads" shell/Actions.* shell/Commands.* 2>/dev/null)
[[ -z $played ]] || { echo "FAIL: an action reads the clock instead of its pass's tick:"; echo "$played"; failed=1; }

raw=$(grep -rn --include='*.h' --include='*.cpp' 'SDL_GetTicks' . | grep -v '^\./platform/Clock\.cpp:')
[[ -z $raw ]] || { echo "FAIL: the timer read past the clock seam:"; echo "$raw"; failed=1; }

flow=$(grep -rn --include='*.h' --include='*.cpp' '^#include "shell/' . | grep -v '^\./shell/')
[[ -z $flow ]] || { echo "FAIL: a subsystem includes the game flow:"; echo "$flow"; failed=1; }

exit "$failed"
