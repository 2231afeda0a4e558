#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks it: the desktop entry
# and the AppStream data validate, the package holds every file it should and declares its Qt
# dependencies, and the quillet-cli unpacked from it starts.
# Usage: tools/package-test.sh BUILD_DIR   (after `cmake --build BUILD_DIR`)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: tools/package-test.sh BUILD_DIR}" && pwd)"
"$here/tools/ensure-packages.sh" desktop-file-utils appstream dpkg-dev file groff-base

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$(ls "$work"/out/*.deb 2>/dev/null | head -n1)"
[ -n "$deb" ] || fail "cpack made no .deb"

# Every file the package must install, under /usr.
id=org.tannford.Quillet
expected=(
  ./usr/bin/quillet
  ./usr/bin/quillet-cli
  "./usr/share/applications/$id.desktop"
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  "./usr/share/metainfo/$id.metainfo.xml"
  ./usr/share/man/man1/quillet.1.gz
  ./usr/share/man/man1/quillet-cli.1.gz
  ./usr/share/quillet/help/help.html
)
dpkg-deb --contents "$deb" | awk '{print $NF}' >"$work/contents"
for f in "${expected[@]}"; do
  grep -qxF "$f" "$work/contents" || fail "$f is missing from $(basename "$deb")"
done
# Every file of the help folder comes along.
(cd "$here/help" && find . -type f) | while read -r f; do
  grep -qxF "./usr/share/quillet/help/${f#./}" "$work/contents" || fail "help/${f#./} is missing from the package"
done

# Dependencies: the Qt 6 libraries the editor links, found by dpkg-shlibdeps.
depends="$(dpkg-deb --field "$deb" Depends)"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml"
for page in quillet quillet-cli; do
  zcat "$work/root/usr/share/man/man1/$page.1.gz" | groff -k -Tutf8 -man -ww -z || fail "man page $page.1 has faults"
done

# Both programs find every library they need on this system, and the command-line tool starts.
for program in quillet quillet-cli; do
  ! ldd "$work/root/usr/bin/$program" | grep -F "not found" || fail "$program lacks a library"
done
version="$("$work/root/usr/bin/quillet-cli" --version)"
expected_version="quillet-cli $(dpkg-deb --field "$deb" Version)"
[ "$version" = "$expected_version" ] || fail "quillet-cli --version printed '$version', not '$expected_version'"
echo "package test: $(basename "$deb") passed"
