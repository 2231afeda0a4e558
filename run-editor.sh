#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it, optionally with a file to open.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mapfile -t pkgs < <(grep -v '^#' "$here/tools/packages.txt" | grep -v '^$')
"$here/tools/ensure-packages.sh" "${pkgs[@]}"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target quillet -j"$(nproc)"
exec "$here/build/src/quillet" "$@"
