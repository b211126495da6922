#!/usr/bin/env bash
# Ten simulated minutes of random keys on every screen: no crash, no sanitizer
# report, memory flat from minute 2 to minute 10, score files always ten lines.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
ln -s "$game_dir/thornwald-drive" thornwald-drive
# Under AddressSanitizer freed memory waits in a quarantine; a small one fills in
# the first minute, so growth after it is still ours.
export ASAN_OPTIONS=${ASAN_OPTIONS:-}:quarantine_size_mb=16
bounded 3600 ./thornwald-drive 600 20261206 --memory >drive.log 2>&1
status=$?
grep -E '^(minute|memory|a score|the game|drive)' drive.log
[[ $status == 0 ]] || fail "the driver ended with status $status"
