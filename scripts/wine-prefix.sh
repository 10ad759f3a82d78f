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
# A setting in the prefix's registry; a refusal ends the script with Wine's own words.
reg_add() {
    local said
    if ! said=$("$wine_loader" reg add "$@" /f 2>&1); then
        echo "wine-prefix: $wine_loader could not set $1 $3 in $WINEPREFIX: $(printf '%s' "$said" | tail -n 3)" >&2
        exit 1
    fi
    wineserver -w || true
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    said=$("$wine_loader" wineboot -i 2>&1) || true
    wineserver -w || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine-prefix: $wine_loader could not make the prefix $WINEPREFIX: $(printf '%s' "$said" | tail -n 3)" >&2
        exit 1
    fi
fi
kind=$(sed -n 's/^#arch=\(win32\|win64\).*/\1/p' "$WINEPREFIX/system.reg" | head -n1)
if [ -n "$kind" ] && [ "$kind" != "$WINEARCH" ]; then
    echo "wine-prefix: $WINEPREFIX is a $kind prefix; the $WINEARCH program needs one of its own kind" >&2
    exit 1
fi
# A prefix of the user's own (make run in their WINEPREFIX) is used as it is.
if [ "${NURVELA_USER_PREFIX:-}" = 1 ]; then
    exit 0
fi
if [ ! -f "$WINEPREFIX/.nurvela-no-crash-dialog" ]; then
    reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
    touch "$WINEPREFIX/.nurvela-no-crash-dialog"
fi
if [ "${NURVELA_UNMANAGED_WINDOWS:-}" = 1 ] && [ ! -f "$WINEPREFIX/.nurvela-unmanaged" ]; then
    reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
    touch "$WINEPREFIX/.nurvela-unmanaged"
fi
if [ -n "${NURVELA_LOGPIXELS:-}" ] && [ ! -f "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS" ]; then
    # The build's own loader: plain `wine` prefers the 32-bit one, which does not run everywhere.
    reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$NURVELA_LOGPIXELS"
    rm -f "$WINEPREFIX"/.nurvela-logpixels-*
    touch "$WINEPREFIX/.nurvela-logpixels-$NURVELA_LOGPIXELS"
fi
