#!/bin/sh
# Runs a 64-bit Windows program under wine64 in the 64-bit prefix. Used by CTest as the
# cross-compiling emulator of the 64-bit build.
NURVELA_WINE_ARCH=win64 exec "$(dirname "$0")/wine-run.sh" "$@"
