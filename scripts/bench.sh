#!/usr/bin/env bash
# Runs the native benchmarks on the packed translation made by the Windows build
# (bzip2 -9 of resources/quran_id.txt): unpack+split against bzip2 -dc, with their ratio.
#   scripts/bench.sh [build folder] [win32|win64]
set -euo pipefail
build="${1:-build}"
export NURVELA_WINE_ARCH="${2:-win32}"
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-user.sh"
wine_user_drop_foreign bench
wine_user_prefix_not_used bench
tree="$here/$build/$NURVELA_WINE_ARCH"
packed="$tree/resources/quran_id.txt.bz2"
if [ ! -f "$packed" ]; then
    echo "bench: $packed is missing (make $NURVELA_WINE_ARCH packs it)" >&2
    exit 1
fi
colour=false
if [ -t 1 ]; then colour=true; fi
"$here/$build/bench/bench/nurvela_bench" --benchmark_color=$colour "$packed"
# The search scan against grep -ci, on the plain translation text.
"$here/$build/bench/bench/ScanBench" "$here/resources/quran_id.txt"
# The Arabic search ("الله", the word with the most verses) beside the translation's scan,
# best of three.
"$here/$build/bench/bench/ArabicSearchBench" --benchmark_color=$colour --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=false

# Under Wine and Xvfb: the rich-text view's text replacement; the search for "allah", "yang",
# "a" and "nabi" (whole word), bold marks on and off, with the longest stretch without a look
# at the message queue and the peak working set, each the best of three runs beside the plain
# result text streamed in one call; with "Arab" on, the first press against the translation's
# unpacking, and surah 2 and the searches for "yang" and "a" from the click or Enter to the
# first screen and to the end, against the same Arabic and translation streamed in one call;
# a change of the text size on surah 2 with "Arab", surah 2 and the result for "yang", against
# the control's own zoom and the same content shown anew; juz 1, 2 and 30 chosen in the list
# beside surah 2, with and without "Arab", against the same text put in at once; and the
# start-up against a program that only shows an empty window.
case $NURVELA_WINE_ARCH in win32) what=32-bit ;; *) what=64-bit ;; esac
echo "bench: the Windows figures are the $what build's ($build/$NURVELA_WINE_ARCH)"
win="$tree/bench/win32"
"$here/scripts/wine-prefix.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    '$here/scripts/wine-run.sh' '$win/RichViewBench.exe' 'Z:$here/resources/quran_id.txt'
    '$here/scripts/wine-run.sh' '$win/SearchWalkBench.exe' --runs=3
    '$here/scripts/wine-run.sh' '$win/ArabicBench.exe' --runs=3
    '$here/scripts/wine-run.sh' '$win/ZoomBench.exe' --runs=3
    '$here/scripts/wine-run.sh' '$win/JuzBench.exe' --runs=3
    '$here/scripts/wine-run.sh' '$win/StartupBench.exe' 'Z:$tree/app/nurvela.exe' \
        'Z:$win/StartupReference.exe' 9
"
