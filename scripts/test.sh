#!/usr/bin/env bash
# Runs every test: the native tests directly, the Windows tests under Wine and Xvfb.
set -euo pipefail
build="${1:-build}"
here=$(cd "$(dirname "$0")/.." && pwd)

echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure

echo "== Windows tests (Wine + Xvfb)"
# A prefix of the tests' own, with unmanaged windows (see wine-prefix.sh).
export WINEPREFIX="$here/$build/wineprefix-test"
NURVELA_UNMANAGED_WINDOWS=1 "$here/scripts/wine-prefix.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$build/win32" --output-on-failure --timeout 1200
