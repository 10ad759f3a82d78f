#!/usr/bin/env bash
# Unpacks Debian's bzip2 source package into $1 (once); prints the source folder.
# The Windows build compiles libbz2 from it.
set -euo pipefail
dest="$1"
mkdir -p "$dest"
src=$(find "$dest" -maxdepth 2 -name bzlib.c -printf '%h\n' 2>/dev/null | head -1)
if [ -z "$src" ]; then
    (cd "$dest" && apt-get source -qq bzip2 >/dev/null 2>&1 || apt-get source bzip2)
    src=$(find "$dest" -maxdepth 2 -name bzlib.c -printf '%h\n' | head -1)
fi
[ -n "$src" ] || { echo "bzip2 source not found in $dest" >&2; exit 1; }
echo "$src"
