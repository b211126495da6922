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
fail() {
  echo "FAIL: $*"
  exit 1
}
