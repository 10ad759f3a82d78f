#!/usr/bin/env bash
# Creates a Wine prefix once, so that programs and tests do not pay for it:
#   build/wineprefix       for make run, make bench and the screenshots (Wine's usual settings)
#   build/wineprefix-test  for make test (WINEPREFIX set by scripts/test.sh), with unmanaged
#                          windows: without a window manager, Wine's X11 driver waits about two
#                          seconds for every managed window it hides, and the tests open hundreds.
# NURVELA_LOGPIXELS=144 (or any DPI) sets the prefix's display scaling: Wine then draws every
# program at that DPI (see docs/design-notes.md). The layout tests run once more in a prefix
# of their own at 144.
# A program that crashes must end with its exit code, not wait behind Wine's crash dialog.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi
if [ ! -f "$WINEPREFIX/.nurvela-no-crash-dialog" ]; then
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w || true
    touch "$WINEPREFIX/.nurvela-no-crash-dialog"
fi
if [ "${NURVELA_UNMANAGED_WINDOWS:-}" = 1 ] && [ ! -f "$WINEPREFIX/.nurvela-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w || true
    touch "$WINEPREFIX/.nurvela-unmanaged"
fi
if [ -n "${NURVELA_LOGPIXELS:-}" ] && [ ! -f "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$NURVELA_LOGPIXELS" /f \
        >/dev/null 2>&1
    wineserver -w || true
    rm -f "$WINEPREFIX"/.nurvela-logpixels-*
    touch "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS"
fi
