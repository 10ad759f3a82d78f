#!/usr/bin/env bash
# The search box's fuzz test at length: thousands of seeded random texts entered into the
# reader under Wine and Xvfb (the test suite runs 500 of them with seed 1 on every make test).
#   scripts/fuzz-search.sh [build folder] [win32|win64]
# FUZZ_TEXTS sets how many (5000 by default), FUZZ_SEED the seed (a new one each run by
# default; it is printed, and the same seed gives the same texts again).
set -euo pipefail
build="${1:-build}"
arch="${2:-win32}"
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-user.sh"
wine_user_drop_foreign fuzz-search
wine_user_prefix_not_used fuzz-search
tests="$here/$build/$arch/tests/win32/nurvela_win32_tests.exe"
exe="$here/$build/$arch/app/nurvela.exe"
texts="${FUZZ_TEXTS:-5000}"
seed="${FUZZ_SEED:-$(date +%s)}"
case $arch in win32) what=32-bit prefix=wineprefix-test ;; *) what=64-bit prefix=wineprefix64-test ;; esac
echo "fuzz-search: $texts texts of seed $seed into the $what program, $build/$arch/app/nurvela.exe"
export WINEPREFIX="$here/$build/$prefix"
NURVELA_WINE_ARCH=$arch NURVELA_UNMANAGED_WINDOWS=1 "$here/scripts/wine-prefix.sh"
export NURVELA_WINE_ARCH=$arch NURVELA_EXE="Z:$exe"
export NURVELA_SEARCH_FUZZ_TEXTS="$texts" NURVELA_SEARCH_FUZZ_SEED="$seed"
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/scripts/wine-run.sh" "$tests" \
    --gtest_filter=SearchBoxFuzz.*
