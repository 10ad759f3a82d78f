#!/usr/bin/env bash
# Runs every test: the native tests directly, the Windows tests under Wine and Xvfb on every
# build this machine can run (both where it runs 32-bit code, else the 64-bit one alone).
set -euo pipefail
build="${1:-build}"
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-user.sh"
wine_user_drop_foreign test
wine_user_prefix_not_used test

echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure --no-tests=error

archs=$("$here/scripts/wine-builds.sh")
case "$archs" in
    "win32 win64") echo "== Windows tests: the 32-bit and the 64-bit build both run here" ;;
    win64) echo "== Windows tests: the 64-bit build only; the 32-bit build is compiled but not run, as this machine runs no 32-bit code (above)" ;;
    win32) echo "== Windows tests: the 32-bit build only; the 64-bit build is compiled but not run, as wine64 does not run here (above)" ;;
esac

# The suites of the two builds run side by side, each in a prefix and on a display of its own:
# a suite keeps the machine's two cores less than half busy, most of its time is spent waiting
# for windows. Each one's output is shown when both have ended.
run_suite() {
    local arch=$1 prefix=$2 display=$3
    # A prefix of the tests' own, with unmanaged windows (see wine-prefix.sh).
    export WINEPREFIX="$here/$build/$prefix"
    # The summary reads this run's own log: an older one must not stand in for it.
    rm -f "$build/$arch/Testing/Temporary/LastTest.log"
    NURVELA_WINE_ARCH=$arch NURVELA_UNMANAGED_WINDOWS=1 "$here/scripts/wine-prefix.sh" &&
        xvfb-run -a -n "$display" -s "-screen 0 1280x1024x24" \
            ctest --test-dir "$build/$arch" --output-on-failure --no-tests=error --timeout 1200
}
declare -A pid
for arch in $archs; do
    case $arch in
        win32) run_suite win32 wineprefix-test 101 >"$build/win32/windows-tests.log" 2>&1 & ;;
        win64) run_suite win64 wineprefix64-test 131 >"$build/win64/windows-tests.log" 2>&1 & ;;
    esac
    pid[$arch]=$!
done

failed=()
summary=()
for arch in $archs; do
    case $arch in win32) what=32-bit ;; win64) what=64-bit ;; esac
    if wait "${pid[$arch]}"; then
        result=passed
    else
        result=FAILED
        failed+=("$what")
    fi
    echo "== Windows tests, $what build (Wine + Xvfb)"
    cat "$build/$arch/windows-tests.log"
    # Each run's count as that run printed it; a run missing, failed or empty fails the build.
    if ! runs=$("$here/scripts/suite-summary.py" "$build/$arch/Testing/Temporary/LastTest.log" "$arch"); then
        if [ "$result" = passed ]; then
            result=FAILED
            failed+=("$what")
        fi
    fi
    summary+=("== Windows tests, $what build: $result ($runs)")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "== Windows tests failed on the ${failed[*]} build" >&2
    exit 1
fi
