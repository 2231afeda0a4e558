#!/usr/bin/env bash
# Builds the benchmark programs (Release, in build-bench/) and runs every one of them, printing
# their figures. The comparison scripts install their own comparison tools (ffmpeg, aeidon).
# Usage: ./run-benchmarks.sh [NAME...]   (names of bench programs or scripts; all by default)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mapfile -t pkgs < <(grep -v '^#' "$here/tools/packages.txt" | grep -v '^$')
"$here/tools/ensure-packages.sh" "${pkgs[@]}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
build="$here/build-bench"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

wanted=("$@")
selected() {
  [ ${#wanted[@]} -eq 0 ] && return 0
  local w
  for w in "${wanted[@]}"; do [ "$w" = "$1" ] && return 0; done
  return 1
}

for src in "$here"/bench/*_bench.cpp; do
  name="$(basename "$src" .cpp)"
  selected "$name" || continue
  echo "== $name"
  "$build/bench/$name"
done
for script in "$here"/bench/*_bench.sh; do
  name="$(basename "$script" .sh)"
  selected "$name" || continue
  echo "== $name"
  "$script" "$build"
done
