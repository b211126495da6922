# Shared by the end-to-end scripts: a scratch copy of the game's directory.
# Usage: source lib.sh GAME_DIR; then work in $work (removed on exit).
game_dir=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/thornwald-e2e-XXXXXX)
cleanup_steps=("rm -rf '$work'")
cleanup() {
  for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do eval "${cleanup_steps[i]}" || true; done
}
trap cleanup EXIT
for f in pics sound BoldFaceLie.TTF thornwald level0.txt level1.txt level2.txt level3.txt level4.txt; do
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
