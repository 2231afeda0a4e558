#!/usr/bin/env bash
# Whole-process time of `quillet-cli normalize`, `shift`, `stretch` and `mirror` over a generated
# SRT file of 100 000 blocks (Windows-1251, CR LF, about 8.7 MB), side by side with Debian's
# python3-aeidon doing the same renumbering, shift, stretch and mirror (bench/aeidon_ops.py),
# with the ratios and the MB/s of input.
#
# Usage: bench/ops_bench.sh [BUILD_DIR] [BLOCKS]   (default build-bench, 100000)
# Builds quillet-cli in BUILD_DIR when it is missing; installs python3-aeidon when missing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${1:-$root/build-bench}"
blocks="${2:-100000}"

"$root/tools/ensure-packages.sh" python3-aeidon
python=/usr/bin/python3  # the interpreter Debian's package installs into
cli="$build/src/quillet-cli"
if [ ! -x "$cli" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target quillet-cli >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
in="$work/in.srt"

# Blocks 1 to 32000 are numbered in order (the largest range the panel takes), the rest one
# number higher, so that the renumbering has 68 000 blocks to change; every text line of every
# third block ends in a blank for the normalization to remove.
awk -v n="$blocks" 'BEGIN {
  split("Я думаю, нам пора идти дальше.|Ты слышал, что сказал капитан?|Никогда не видел ничего подобного!|Подожди меня у старого моста.", t, "|")
  for (b = 0; b < n; b++) {
    s = b * 3000 + 500; e = s + 2400
    printf "%d\r\n", (b < 32000 ? b + 1 : b + 2)
    printf "%02d:%02d:%02d,%03d --> %02d:%02d:%02d,%03d\r\n", int(s / 3600000), int(s / 60000) % 60, int(s / 1000) % 60, s % 1000, int(e / 3600000), int(e / 60000) % 60, int(e / 1000) % 60, e % 1000
    tail = (b % 3 == 0) ? " " : ""
    printf "%s%s\r\n", t[b % 4 + 1], tail
    if (b % 3 == 0) printf "%s%s\r\n", t[(b + 1) % 4 + 1], tail
    printf "\r\n"
  }
}' | iconv -f UTF-8 -t CP1251 >"$in"

size=$(stat -c %s "$in")
echo "input: $blocks blocks, $size bytes"

# Best of five wall times of a command in milliseconds, its standard output going to OUT; the
# command must succeed.
best_ms() {
  local out="$1"
  shift
  local best=""
  for _ in 1 2 3 4 5; do
    local t0 t1
    t0=$(date +%s%N)
    if ! "$@" >"$out" 2>"$work/err"; then
      echo "FAILED: $*" >&2
      cat "$work/err" >&2
      exit 1
    fi
    t1=$(date +%s%N)
    local t=$(((t1 - t0) / 1000))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.1f", us / 1000 }'
}

report() {  # name, ours ms, theirs ms
  awk -v name="$1" -v ours="$2" -v theirs="$3" -v size="$size" 'BEGIN {
    printf "%-10s quillet-cli %8.1f ms (%6.1f MB/s)   aeidon %9.1f ms   ratio aeidon / quillet-cli %6.1f\n",
      name, ours, size / 1e6 / (ours / 1000), theirs, theirs / ours
  }'
}

# Both tools write their text into a file of the page cache (quillet-cli through its standard
# output, aeidon by name); -o OUT, which also waits for the text to reach the disk, is timed once
# more for the shift.
q="$work/q.srt"
a="$work/a.srt"
q_norm=$(best_ms "$q" "$cli" normalize "$in")
a_norm=$(best_ms /dev/null "$python" "$here/aeidon_ops.py" renumber "$in" "$a")
q_shift=$(best_ms "$q" "$cli" shift --add --sec=1 --msec=500 --start=1 --end=32000 "$in")
a_shift=$(best_ms /dev/null "$python" "$here/aeidon_ops.py" shift "$in" "$a" 0 31999)
q_stretch=$(best_ms "$q" "$cli" stretch --stretch --rate=2 --start=1 --end=32000 "$in")
a_stretch=$(best_ms /dev/null "$python" "$here/aeidon_ops.py" stretch "$in" "$a" 0 31999)
q_mirror=$(best_ms "$q" "$cli" mirror "$in")
a_mirror=$(best_ms /dev/null "$python" "$here/aeidon_ops.py" mirror "$in" "$a")
q_shift_o=$(best_ms /dev/null "$cli" shift --add --sec=1 --msec=500 --start=1 --end=32000 "$in" -o "$q")

# The shift of both tools must give the same time lines.
"$cli" shift --add --sec=1 --msec=500 --start=1 --end=32000 "$in" -o "$work/q.srt" 2>/dev/null
"$python" "$here/aeidon_ops.py" shift "$in" "$work/a.srt" 0 31999
if cmp -s <(grep -a -- ' --> ' "$work/q.srt") <(grep -a -- ' --> ' "$work/a.srt"); then same=same; else same=DIFFERENT; fi

report normalize "$q_norm" "$a_norm"
report shift "$q_shift" "$a_shift"
report stretch "$q_stretch" "$a_stretch"
report mirror "$q_mirror" "$a_mirror"
awk -v ms="$q_shift_o" -v size="$size" 'BEGIN { printf "shift -o OUT (written through to the disk): %.1f ms (%.1f MB/s)\n", ms, size / 1e6 / (ms / 1000) }'
echo "time lines after the shift: $same in both tools"
