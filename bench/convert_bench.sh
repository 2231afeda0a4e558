#!/usr/bin/env bash
# Time of a whole `quillet-cli convert` process over a generated ASS file of 100 000 events
# (Cyrillic text, override tags, UTF-8 with its mark), side by side with `ffmpeg -i in.ass out.srt`.
#
# Usage: bench/convert_bench.sh [BUILD_DIR] [EVENTS]   (default build-bench, 100000)
# Builds quillet-cli in BUILD_DIR when it is missing; installs Debian's ffmpeg when missing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${1:-$root/build-bench}"
events="${2:-100000}"

"$root/tools/ensure-packages.sh" ffmpeg bc
cli="$build/src/quillet-cli"
if [ ! -x "$cli" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target quillet-cli >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
in="$work/in.ass"

printf '\xEF\xBB\xBF' >"$in"
awk -v n="$events" 'BEGIN {
  print "[Script Info]\r"
  print "; generated for the conversion benchmark\r"
  print "ScriptType: v4.00+\r"
  print "PlayResX: 1920\r"
  print "PlayResY: 1080\r"
  print "\r"
  print "[V4+ Styles]\r"
  print "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\r"
  print "Style: Default,Arial,48,&H00FFFFFF,&H000000FF,&H00000000,&H64000000,0,0,0,0,100,100,0,0,1,2,1,2,20,20,30,204\r"
  print "\r"
  print "[Events]\r"
  print "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r"
  split("Я думаю, нам пора идти дальше.|Ты слышал, что сказал капитан?|Никогда не видел ничего подобного!|Подожди меня у старого моста.", t, "|")
  for (i = 0; i < n; i++) {
    s = i * 3 + 1; e = s + 2
    start = sprintf("%d:%02d:%02d.%02d", int(s / 3600), int(s / 60) % 60, s % 60, i % 100)
    end = sprintf("%d:%02d:%02d.%02d", int(e / 3600), int(e / 60) % 60, e % 60, (i * 7) % 100)
    a = t[i % 4 + 1]; b = t[(i + 1) % 4 + 1]
    if (i % 3 == 0) text = "{\\i1}" a "{\\i0}\\N" b
    else if (i % 3 == 1) text = "{\\an8}{\\c&H00FFFF&}" a
    else text = a " {\\b1}" b "{\\b0}"
    printf "Dialogue: 0,%s,%s,Default,,0,0,0,,%s\r\n", start, end, text
  }
}' >>"$in"

size=$(stat -c %s "$in")
echo "input: $events events, $size bytes"

# Best of three wall times of a command, in seconds.
best() {
  local best_t=""
  for _ in 1 2 3; do
    local t0 t1
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    local t
    t=$(echo "$t1 - $t0" | bc -l)
    if [ -z "$best_t" ] || [ "$(echo "$t < $best_t" | bc -l)" = 1 ]; then best_t=$t; fi
  done
  printf '%.3f' "$best_t"
}

ours=$(best "$cli" convert "$in" -o "$work/ours.srt")
theirs=$(best ffmpeg -nostdin -y -loglevel error -i "$in" "$work/ffmpeg.srt")
blocks=$(grep -c -- ' --> ' "$work/ours.srt" || true)
ffblocks=$(grep -c -- ' --> ' "$work/ffmpeg.srt" || true)
echo "quillet-cli convert: ${ours} s ($blocks blocks)"
echo "ffmpeg -i in.ass out.srt: ${theirs} s ($ffblocks blocks)"
echo "ratio ffmpeg / quillet-cli: $(echo "scale=1; $theirs / $ours" | bc -l)"
