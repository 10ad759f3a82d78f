#!/usr/bin/env bash
# Makes an archive a Windows user downloads: build/dist/nurvela-<version>-win32.zip (the
# 32-bit program, for every Windows from 7 to 11) or nurvela-<version>-win64.zip (the 64-bit
# one, for a Windows without 32-bit support), with nurvela.exe, the readme for Windows users
# and the licence texts (all text files with CR LF line ends, so that Notepad on any Windows
# shows them right), and its SHA-256 sum beside it. The version is the project's VERSION, read
# from the configured Windows build.
#   scripts/dist.sh [build folder] [win32|win64]
set -euo pipefail
build="${1:-build}"
arch="${2:-win32}"
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

case $arch in
    win32) mingw_licence=/usr/share/doc/mingw-w64-i686-dev/copyright ;;
    win64) mingw_licence=/usr/share/doc/mingw-w64-x86-64-dev/copyright ;;
    *) echo "dist: the build is win32 or win64, not '$arch'" >&2; exit 2 ;;
esac
exe="$build/$arch/app/nurvela.exe"
[ -f "$exe" ] || { echo "dist: $exe is missing (make $arch builds it)" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/$arch/CMakeCache.txt")
[ -n "$version" ] || { echo "dist: no project version in $build/$arch/CMakeCache.txt" >&2; exit 1; }
bzip2_licence=$(ls "$build"/deps/bzip2-*/LICENSE 2>/dev/null | head -n1)
for file in "$bzip2_licence" "$mingw_licence"; do
    [ -f "$file" ] || { echo "dist: licence text ${file:-of libbz2} is missing" >&2; exit 1; }
done

name="nurvela-$version-$arch"
out="$build/dist"
stage="$out/$name"
rm -rf "$stage" "$out/$name.zip" "$out/$name.zip.sha256"
mkdir -p "$stage"

# Text with CR LF line ends (an existing CR is not doubled), @VERSION@ and @BUILD@ (the
# archive's own name ends in it) filled in.
crlf() { sed -e "s/@VERSION@/$version/g" -e "s/@BUILD@/$arch/g" -e 's/\r*$/\r/' "$1" > "$2"; }
cp "$exe" "$stage/nurvela.exe"
crlf package/BACA-SAYA.txt "$stage/BACA-SAYA.txt"
crlf LICENSE "$stage/LICENSE.txt"
crlf package/LISENSI-TERJEMAHAN.txt "$stage/LISENSI-TERJEMAHAN.txt"
crlf package/LISENSI-FONT.txt "$stage/LISENSI-FONT.txt"
crlf "$bzip2_licence" "$stage/LICENSE-bzip2.txt"
crlf "$mingw_licence" "$stage/LICENSE-mingw-w64.txt"

# The same sources give the same archive: every entry carries the time of the last commit.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -d "@$stamp" {} +
(cd "$out" && zip -q -X -r "$name.zip" "$name" && sha256sum "$name.zip" > "$name.zip.sha256")
rm -rf "$stage"

# What went in: every entry readable, every text file with CR LF only.
unzip -tq "$out/$name.zip" >/dev/null
for entry in BACA-SAYA.txt LICENSE.txt LISENSI-TERJEMAHAN.txt LISENSI-FONT.txt; do
    if unzip -p "$out/$name.zip" "$name/$entry" | grep -q $'[^\r]$'; then
        echo "dist: $entry has a line without CR LF" >&2
        exit 1
    fi
done
echo "dist: $out/$name.zip ($(stat -c %s "$out/$name.zip") bytes)"
echo "dist: $out/$name.zip.sha256: $(cut -d' ' -f1 "$out/$name.zip.sha256")"
