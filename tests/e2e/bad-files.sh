#!/usr/bin/env bash
# Start-up and a minute of play with each picture, sound, map and the font
# missing in turn, and with garbage, huge lines and unreadable score files and
# maps, maps that are a FIFO, an endless device or too big, sounds whose header
# SDL cannot convert, a background that declares a huge size, and every picture
# 1 x 1: the game goes on, nothing crashes or hangs, memory does not jump, and the
# score files it writes stay whole. A wider background makes a wider level.
set -uo pipefail
source "$(dirname "$0")/lib.bash" "$1"
seconds=${THORNWALD_BAD_FILE_SECONDS:-60}
limit=600  # s of real time for one case, however slow the build
passed=0

# A scratch copy of the game with real (not linked) score files.
fresh() {
  rm -rf run && mkdir run && cd run || exit 1
  for f in "$game_dir"/pics "$game_dir"/sound "$game_dir"/BoldFaceLie.TTF "$game_dir"/level?.txt; do
    ln -s "$f" .
  done
  ln -s "$game_dir/thornwald-drive" .
}

scores_whole() {
  [[ -d scoredata.txt ]] && return 0  # left alone when it cannot be written
  [[ $(wc -l <scoredata.txt) == 10 && $(wc -l <scorenames.txt) == 10 ]] || return 1
  ! grep -qvE '^-?[0-9]+$' scoredata.txt
}

play() {
  bounded "$limit" ./thornwald-drive "$seconds" 5 >drive.log 2>&1
  local status=$?
  [[ $status == 0 ]] || fail "$1: the game ended with status $status"
  scores_whole || fail "$1: the score files are not ten whole lines"
  passed=$((passed + 1))
  cd "$work" || exit 1
}

# Each picture, sound, map and the font missing in turn.
for f in "$game_dir"/pics/*.png "$game_dir"/sound/*.wav "$game_dir"/level?.txt "$game_dir"/BoldFaceLie.TTF; do
  fresh
  name=${f#"$game_dir"/}
  if [[ $name == */* ]]; then
    dir=${name%%/*}
    rm "$dir" && mkdir "$dir" && for g in "$game_dir/$dir"/*; do [[ $g == "$f" ]] || ln -s "$g" "$dir/"; done
  else
    rm "$name"
  fi
  play "without $name"
done

garbage() { for _ in $(seq 200); do printf '\x00\xff\x13\r\n\x80%s\r\x7f' "$RANDOM"; done; }
huge_line() { head -c 3000000 /dev/zero | tr '\0' 'x'; }

fresh; garbage >scoredata.txt; garbage >scorenames.txt; play "garbage score files"
# Ten lines, then more than 1 MB: the ten are kept and written back.
fresh; { seq 1000 -100 100; huge_line; } >scoredata.txt; { seq 10; huge_line; echo; } >scorenames.txt
play "huge score lines"
[[ $(head -n 1 run/scoredata.txt) == 1000 ]] || fail "huge score lines: the ten lines were lost"
fresh; mkdir scoredata.txt scorenames.txt; play "unreadable score files"
fresh; rm level0.txt level1.txt level2.txt
garbage >level0.txt; huge_line >level1.txt; mkdir level2.txt; play "garbage, huge and unreadable maps"
fresh; rm level0.txt level1.txt level2.txt
mkfifo level0.txt; ln -s /dev/zero level1.txt; head -c 1100000 /dev/zero | tr '\0' a >level2.txt
play "FIFO, endless and oversized maps"

# Wave headers of 0 channels and of 0 Hz: the sounds are missing, not a crash.
fresh; rm sound && mkdir sound && cp "$game_dir"/sound/*.wav sound/
printf '\0\0' | dd of=sound/jump1.wav bs=1 seek=22 conv=notrunc status=none
printf '\0\0\0\0' | dd of=sound/swiv.wav bs=1 seek=24 conv=notrunc status=none
play "sounds of 0 channels and 0 Hz"

png_chunk='sub chunk { pack("N", length $_[1]) . $_[0] . $_[1] . pack("N", crc32($_[0] . $_[1])) }'
# Every picture 1 x 1, smaller than any cell the game draws from it.
fresh; rm pics && mkdir pics
for f in "$game_dir"/pics/*.png; do
  perl -MCompress::Zlib -e "$png_chunk"'
    binmode STDOUT;
    print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", 1, 1, 8, 6, 0, 0, 0)),
      chunk("IDAT", compress("\0\x80\x40\x20\xff")), chunk("IEND", "");' >"pics/${f##*/}"
done
play "every picture 1 x 1"

# The real background 50 px wider (7250 x 1400; each row's filtered bytes get 50
# more pixels, which leaves the first 7200 columns as they were) makes level 0
# 7250 px wide, and its exit is still reached.
fresh; rm pics && mkdir pics && ln -s "$game_dir"/pics/* pics/ && rm pics/background.png
ln -s "$game_dir/levelcheck" .
perl -MCompress::Zlib -e "$png_chunk"'
  local $/; my $png = <STDIN>; my ($w, $h) = unpack("NN", substr($png, 16, 8)); my ($at, $z) = (8, "");
  while ($at < length $png) {
    my ($len, $type) = unpack("Na4", substr($png, $at, 8));
    $z .= substr($png, $at + 8, $len) if $type eq "IDAT";
    $at += 12 + $len;
  }
  my ($raw, $wide, $stride) = (uncompress($z), "", 1 + 4 * $w);
  $wide .= substr($raw, $_ * $stride, $stride) . ("\0" x 200) for 0 .. $h - 1;
  binmode STDOUT;
  print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", $w + 50, $h, 8, 6, 0, 0, 0)),
    chunk("IDAT", compress($wide)), chunk("IEND", "");' <"$game_dir/pics/background.png" >pics/background.png
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bounded "$limit" ./levelcheck 0 >check.log 2>&1 ||
  { cat check.log; fail "a background 7250 px wide: level 0 is not playable"; }
overview_width=$(od -An -tu1 -j16 -N4 levelcheck-0.png | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
[[ $overview_width == 1812 ]] || fail "a background 7250 px wide: level 0 is $((overview_width * 4)) px wide"
passed=$((passed + 1))
cd "$work" || exit 1

# A PNG whose header declares 16000 x 8000 pixels (500 MB decoded) but whose
# data end after 2000 rows: a decoder would take 125 MB before it failed, and
# the file stays small and quick to make.
huge_png() {
  perl -MCompress::Zlib -e "$png_chunk"'
    my ($w, $h, $rows) = (16000, 8000, 2000);
    my $d = deflateInit(-Level => Z_BEST_COMPRESSION);
    my ($z, $row) = ("", "\0" x (1 + 4 * $w));
    for (1 .. $rows) { $z .= ($d->deflate($row))[0]; }
    $z .= ($d->flush())[0];
    binmode STDOUT;
    print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", $w, $h, 8, 6, 0, 0, 0)), chunk("IDAT", $z),
      chunk("IEND", "");'
}
# Peak resident memory of the real game, in KiB, over its first seconds.
peak_kib() {
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./thornwald >game.log 2>&1 &
  local pid=$! peak
  sleep 3
  peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
  kill -TERM "$pid"
  timeout 10 tail --pid="$pid" -f /dev/null || kill -9 "$pid"
  echo "${peak:-0}"
}
without_background() {
  fresh
  ln -s "$game_dir/thornwald" .
  rm pics && mkdir pics && for g in "$game_dir"/pics/*; do [[ $g == */background.png ]] || ln -s "$g" pics/; done
}
without_background
plain=$(peak_kib)
cd "$work" || exit 1
without_background
huge_png >pics/background.png
huge=$(peak_kib)
echo "peak memory without a background: $plain KiB; with one declaring 16000 x 8000: $huge KiB"
((plain > 0 && huge < plain + 65536)) || fail "a background declaring 16000 x 8000 took memory"
play "a background declaring 16000 x 8000"
echo "bad files: $passed cases passed"
