#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs the whole test suite
# headless: the tests, the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the whole project built with clang under
# ThreadSanitizer with the unit tests in a random order, and a minute of fuzzing
# for each file reader; then the web build, played in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc)
scripts/setup.sh
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

echo "== tests"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DTHORNWALD_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp
# Each bad-file case plays a quarter of a minute here; the plain run above plays a whole one.
# A sanitized pass costs two to three times a plain one (0.32 of a core against 0.12 to 0.24
# measured): the window test's CPU bound here still fails a game that never sleeps. The novice's
# hundred tries (a quarter of an hour here) are played by the plain run alone.
(cd build-asan && THORNWALD_BAD_FILE_SECONDS=15 THORNWALD_CPU_LIMIT=0.67 ctest --output-on-failure -j"$jobs" \
  -E 'NoviceTest.FinishesEachLevel')

echo "== the whole project built with clang under ThreadSanitizer; the unit tests in a random order"
# clang builds everything here, so a construct only gcc takes fails the build.
CC=clang CXX=clang++ cmake -S . -B build-tsan -DTHORNWALD_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-tsan -j"$jobs"
# The seed is printed; THORNWALD_TEST_SEED plays an order again. The whole game and the
# novice's hundred tries run no thread of their own and take minutes here: they are left out.
(cd build-tsan/game && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ../thornwald_tests --gtest_filter=-*WholeGame*:NoviceTest.FinishesEachLevel* --gtest_shuffle --gtest_random_seed="${THORNWALD_TEST_SEED:-0}")

echo "== fuzzing the level map reader and the score file reader"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTHORNWALD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target FuzzLevelMap FuzzScores -j"$jobs"
fuzz_seconds=${THORNWALD_FUZZ_SECONDS:-60}
for target in LevelMap Scores; do
  corpus=$(mktemp -d)
  seeds=$top/tools/fuzz/corpus-$(echo "$target" | tr 'A-Z' 'a-z')
  build-fuzz/Fuzz$target -max_total_time="$fuzz_seconds" -max_len=65536 -print_final_stats=1 \
    "$corpus" "$seeds" 2>&1 | tail -n 4
  rm -rf "$corpus"
done

echo "== the web build in headless Chromium"
scripts/build-web.sh
# Every wait in the script is bounded; it fails with the page's log.
python3 tests/web/smoke.py build-web/title.png --serve build-web/page --play build-web/play.png \
  --title build/game/pics-web/title.png --tour build-web --scores build-web/scores-after-reload.png --timeout 300
