#!/usr/bin/env bash
# Creates a Wine prefix once, so that programs and tests do not pay for it. For the 32-bit
# program (NURVELA_WINE_ARCH=win32, the default) and the 64-bit one (win64):
#   build/wineprefix, build/wineprefix64             make run, make bench, the screenshots
#                                                    (Wine's usual settings)
#   build/wineprefix-test, build/wineprefix64-test   make test (WINEPREFIX set by
#                                                    scripts/test.sh), with unmanaged windows:
#       without a window manager, Wine's X11 driver waits about two seconds for every managed
#       window it hides, and the tests open hundreds.
# NURVELA_LOGPIXELS=144 (or any DPI) sets the prefix's display scaling: Wine then draws every
# program at that DPI (see docs/design-notes.md). The layout tests run once more in a prefix
# of their own at 144 (scripts/wine-dpi-run.sh).
# A program that crashes must end with its exit code, not wait behind Wine's crash dialog.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine_loader" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-prefix: $wine_loader could not make the prefix $WINEPREFIX" >&2
    exit 1
fi
if [ ! -f "$WINEPREFIX/.nurvela-no-crash-dialog" ]; then
    "$wine_loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w || true
    touch "$WINEPREFIX/.nurvela-no-crash-dialog"
fi
if [ "${NURVELA_UNMANAGED_WINDOWS:-}" = 1 ] && [ ! -f "$WINEPREFIX/.nurvela-unmanaged" ]; then
    "$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w || true
    touch "$WINEPREFIX/.nurvela-unmanaged"
fi
if [ -n "${NURVELA_LOGPIXELS:-}" ] && [ ! -f "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS" ]; then
    # The build's own loader: plain `wine` prefers the 32-bit one, which does not run everywhere.
    if ! "$wine_loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$NURVELA_LOGPIXELS" /f >/dev/null 2>&1; then
        echo "wine-prefix: $wine_loader could not set LogPixels $NURVELA_LOGPIXELS in $WINEPREFIX" >&2
        exit 1
    fi
    wineserver -w || true
    rm -f "$WINEPREFIX"/.nurvela-logpixels-*
    touch "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS"
fi
