#!/usr/bin/env bash
# Builds the 32-bit product and packs it with the user README into
# dist/quillcast-VERSION-win32.zip; prints the archive's path and size.
#   scripts/release.sh [BUILD_ROOT]   (default: build/ in the repository)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build}"

# The version the program carries in its version record.
version=$(sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$root/resources/identity.rc")
[ -n "$version" ] || { echo "release.sh: no FileVersion in resources/identity.rc" >&2; exit 1; }

build="$out/win32"
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$build" -j 2 --target quillcast >/dev/null
exe="$build/quillcast.exe"
i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' \
  || { echo "release.sh: $exe is not a 32-bit PE" >&2; exit 1; }

archive="$root/dist/quillcast-$version-win32.zip"
mkdir -p "$root/dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/quillcast.exe"
cp "$root/resources/README-user.txt" "$stage/README.txt"
rm -f "$archive"
# -X: no Unix owners or extra time fields; -D: no folder entries.
(cd "$stage" && zip -q -X -D -9 "$archive" quillcast.exe README.txt)
printf '%s %d bytes\n' "$archive" "$(stat -c %s "$archive")"
