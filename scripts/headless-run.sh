#!/usr/bin/env bash
# Inside Xvfb: start the reader, wait for its window, take a screenshot, close it.
set -euo pipefail
exe="$1"; shot="$2"
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/wine-run.sh" "$exe" &
pid=$!
for _ in $(seq 1 120); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Nurvela"'; then break; fi
    sleep 0.5
done
sleep 2
win=$(xwininfo -root -tree | awk '/"Nurvela"/ {print $1; exit}')
# The main window alone when it was found, the whole screen otherwise.
import -window "${win:-root}" "$shot"
echo "screenshot: $shot"
if [ -n "$win" ]; then
    # Ask the window to close, the way the close box does.
    "$here/scripts/wine-run.sh" "$here/$(dirname "$exe" | sed "s|^$here/||")/close-window.exe" Nurvela 2>/dev/null || kill "$pid"
fi
wait "$pid"; rc=$?
echo "nurvela.exe exit code: $rc"
exit $rc
