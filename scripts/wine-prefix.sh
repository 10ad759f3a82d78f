#!/usr/bin/env bash
# Creates the project's Wine prefix once (build/wineprefix), so that tests do not pay for it.
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
