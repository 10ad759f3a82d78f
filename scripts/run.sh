#!/usr/bin/env bash
# Starts the reader. With a display it runs there; without one it runs under Xvfb,
# saves a screenshot of the main window after start-up and closes the reader.
set -euo pipefail
build="${1:-build}"
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/$build/win32/app/nurvela.exe"
"$here/scripts/wine-prefix.sh"
if [ -n "${DISPLAY:-}" ]; then
    exec "$here/scripts/wine-run.sh" "$exe"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/scripts/headless-run.sh" "$exe" "$here/$build/screenshot.png"
