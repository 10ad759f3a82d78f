#!/usr/bin/env bash
# Runs a Windows program under Wine at another display scaling: in a Wine prefix of its own
# with LogPixels set to the given DPI (scripts/wine-prefix.sh, NURVELA_LOGPIXELS), on an Xvfb
# screen of its own large enough for the windows at that size (1920 x 1200, a 150 % laptop's).
# NURVELA_EXPECT_DPI tells the program the DPI it must find. Used by CTest for the layout
# tests at 144 DPI.
#   scripts/wine-dpi-run.sh DPI PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dpi="$1"
shift
build=$(cd "$(dirname "$1")" && pwd)
# The prefix lives beside the usual test prefix, in the build folder the program belongs to.
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
# NURVELA_WINE_ARCH (win32 or win64) says which build's Wine runs it, as for wine-run.sh.
case "${NURVELA_WINE_ARCH:-win32}" in
    win32) export WINEPREFIX="$(dirname "$build")/wineprefix-test-$dpi" ;;
    *) export WINEPREFIX="$(dirname "$build")/wineprefix64-test-$dpi" ;;
esac
NURVELA_LOGPIXELS="$dpi" NURVELA_UNMANAGED_WINDOWS=1 "$here/scripts/wine-prefix.sh"
export NURVELA_EXPECT_DPI="$dpi"
# Displays from a number of the build's own: the two builds' suites run side by side.
case "${NURVELA_WINE_ARCH:-win32}" in win32) display=161 ;; *) display=191 ;; esac
exec xvfb-run -a -n "$display" -s "-screen 0 1920x1200x24" "$here/scripts/wine-run.sh" "$@"
