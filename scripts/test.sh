#!/usr/bin/env bash
# Runs every test: the native tests directly, the Windows tests under Wine and Xvfb on every
# build this machine can run (both where it runs 32-bit code, else the 64-bit one alone).
set -euo pipefail
build="${1:-build}"
here=$(cd "$(dirname "$0")/.." && pwd)

echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure

archs=$("$here/scripts/wine-builds.sh")
case "$archs" in
    "win32 win64") echo "== Windows tests: the 32-bit and the 64-bit build both run here" ;;
    win64) echo "== Windows tests: the 64-bit build only; the 32-bit build is compiled but not run, as this machine runs no 32-bit code (above)" ;;
    win32) echo "== Windows tests: the 32-bit build only; the 64-bit build is compiled but not run, as wine64 does not run here (above)" ;;
esac

failed=()
summary=()
for arch in $archs; do
    case $arch in win32) what=32-bit prefix=wineprefix-test ;; win64) what=64-bit prefix=wineprefix64-test ;; esac
    echo "== Windows tests, $what build (Wine + Xvfb)"
    # A prefix of the tests' own, with unmanaged windows (see wine-prefix.sh).
    export WINEPREFIX="$here/$build/$prefix"
    NURVELA_WINE_ARCH=$arch NURVELA_UNMANAGED_WINDOWS=1 "$here/scripts/wine-prefix.sh"
    if xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$build/$arch" --output-on-failure --timeout 1200; then
        result=passed
    else
        result=FAILED
        failed+=("$what")
    fi
    log="$build/$arch/Testing/Temporary/LastTest.log"
    # The suite's count, then the count of its run at 144 DPI.
    counts=($(grep -ao '\[==========\] [0-9]* tests from [0-9]* test suites ran' "$log" 2>/dev/null |
        cut -d' ' -f2))
    summary+=("$what $result (${counts[0]:-?} GoogleTest tests, ${counts[1]:-?} of them again at 144 DPI, and the office read-back)")
done
echo "== Windows tests: $(IFS=';'; echo "${summary[*]}" | sed 's/;/; /g')"
if [ ${#failed[@]} -gt 0 ]; then
    echo "== Windows tests failed on the ${failed[*]} build" >&2
    exit 1
fi
