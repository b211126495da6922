#!/usr/bin/env bash
# Tests stay at most a third of the code: lines that are neither blank nor only a
# comment, of the C++ files in tests/ against those in src/ and tools/.
# Usage: ratio.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
count() { find "$@" -name '*.cpp' -o -name '*.cc' -o -name '*.h' -o -name '*.hpp' | xargs cat | grep -cvE '^\s*(//.*)?$'; }
tests=$(count tests)
code=$(($(count src) + $(count tools)))
echo "tests: $tests lines against $code lines of code ($(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }'))"
((3 * tests <= code)) || { echo "FAIL: the tests are more than a third of the code"; exit 1; }
