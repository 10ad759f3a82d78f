#!/bin/sh
# Runs a Windows program under the project's own Wine prefix, quietly and without
# installer prompts. Used by CTest as the cross-compiling emulator of the 32-bit build;
# NURVELA_WINE_ARCH=win64 (scripts/wine64-run.sh) runs a 64-bit program instead.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-env.sh"
exec "$wine_loader" "$@"
