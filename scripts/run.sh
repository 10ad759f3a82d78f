#!/usr/bin/env bash
# Starts the reader. With a display it runs there; without one it runs under Xvfb,
# saves a screenshot of the main window after start-up and closes the reader.
#   scripts/run.sh [build folder] [win32|win64]
set -euo pipefail
build="${1:-build}"
export NURVELA_WINE_ARCH="${2:-win32}"
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/$build/$NURVELA_WINE_ARCH/app/nurvela.exe"
case $NURVELA_WINE_ARCH in win32) what=32-bit ;; *) what=64-bit ;; esac
echo "run: the $what program, $build/$NURVELA_WINE_ARCH/app/nurvela.exe"
. "$here/scripts/wine-user.sh"
wine_user_drop_foreign run
wine_user_prefix run "$NURVELA_WINE_ARCH"
# A prefix of the user's own is used as it is: none of the project's settings go into it.
if [ -n "${WINEPREFIX:-}" ]; then export NURVELA_USER_PREFIX=1; fi
"$here/scripts/wine-prefix.sh"
if [ -n "${DISPLAY:-}" ]; then
    exec "$here/scripts/wine-run.sh" "$exe"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/scripts/headless-run.sh" "$exe" "$here/$build/screenshot.png"
