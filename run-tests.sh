#!/usr/bin/env bash
# Installs what is missing, builds everything twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs all tests headless in both builds; then compiles the
# Qt-free part (core, storage, session, quillet-cli) in a configuration without Qt, which
# proves that nothing below the windows needs it; checks the Debian package; runs every fuzz
# target for a bounded time.
# Fails when a build fails, a test fails, or no test ran.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mapfile -t pkgs < <(grep -v '^#' "$here/tools/packages.txt" | grep -v '^$')
"$here/tools/ensure-packages.sh" "${pkgs[@]}"
export QT_QPA_PLATFORM=offscreen
# Paths relative to the checkout, so that ccache hits are shared between checkouts.
export CCACHE_BASEDIR="$here"
jobs="$(nproc)"
run_build() {
  local dir="$1"; shift
  cmake -S "$here" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure --no-tests=error -j"$jobs")
}
run_build "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_BUILD_BENCH=OFF
# The Debian package of the plain build: built, validated, unpacked and started.
"$here/tools/package-test.sh" "$here/build"
run_build "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON -DQUILLET_BUILD_BENCH=OFF
cmake -S "$here" -B "$here/build-nogui" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_BUILD_GUI=OFF \
  -DQUILLET_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build-nogui" -j"$jobs"
# Every fuzz target for a bounded time; any crash, leak, sanitizer report or broken property fails.
"$here/fuzz/run-fuzz.sh" 30
echo "All tests passed in the plain and the sanitizer build; the package and the fuzz targets are fine."
