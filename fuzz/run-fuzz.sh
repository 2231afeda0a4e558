#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer, UndefinedBehaviorSanitizer,
# no Qt) in build-fuzz/ and runs each in turn for a bounded time, starting from its seed corpus
# in fuzz/corpus/<target>/. Fails on any crash, leak, sanitizer report, broken property or
# time-out; the input that did it is left in build-fuzz/findings/.
#
#   fuzz/run-fuzz.sh [SECONDS-PER-TARGET [TARGET...]]     (default 30 seconds, every target)
#
# New inputs found during a run go into build-fuzz/corpus/<target>/, not into the repository;
# the run prints the executions per second of each target. QUILLET_FUZZ_BUILD names another
# build folder, QUILLET_FUZZ_JOBS the number of compile jobs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
seconds="${1:-30}"
[ $# -gt 0 ] && shift
"$root/tools/ensure-packages.sh" clang libclang-rt-14-dev cmake make ccache

build="${QUILLET_FUZZ_BUILD:-$root/build-fuzz}"
export CCACHE_BASEDIR="$root"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLET_BUILD_GUI=OFF -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCH=OFF -DQUILLET_BUILD_FUZZ=ON >/dev/null

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in "$here"/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
cmake --build "$build" -j"${QUILLET_FUZZ_JOBS:-$(nproc)}" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
failed=()
printf '%-22s %12s %10s %s\n' target runs exec/s result
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/findings/$target.log"
  mkdir -p "$corpus"
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$corpus" "$here/corpus/$target" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  if [ "$status" -eq 0 ]; then
    result=ok
  else
    result="FAILED (exit $status, see $log)"
    failed+=("$target")
  fi
  printf '%-22s %12s %10s %s\n' "$target" "${runs:-?}" "${speed:-?}" "$result"
done
if [ ${#failed[@]} -gt 0 ]; then
  for target in "${failed[@]}"; do
    echo "---- $target" >&2
    grep -E -A30 'ERROR|runtime error|check failed|deadly signal|timeout' "$build/findings/$target.log" | head -60 >&2 || true
  done
  echo "Fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "Every fuzz target ran ${seconds} s without a finding."
