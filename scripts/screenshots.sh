#!/usr/bin/env bash
# Takes the documentation screenshots from the real program: starts nurvela.exe under Xvfb,
# searches for a word (hits in bold), saves the main window, opens the About window and saves
# it, opens "Ke Ayat" with Ctrl+G and saves it, makes the text 150 % with Ctrl++ and saves the
# main window again, goes back to 100 % with Ctrl+0, shows the Arabic with Ctrl+Shift+A and
# saves the main window once more, then closes them all. Writes docs/main-window.png,
# docs/about-window.png, docs/goto-verse.png, docs/arabic-view.png, docs/text-size-150.png,
# after a search typed in Arabic docs/arabic-search.png, and after Ctrl+J and a click on juz 30,
# the Arabic still shown, docs/juz-view.png.
# Then the same search, the About window and "Ke Ayat" once more at 144 DPI (150 % display
# scaling, in a Wine prefix of its own with LogPixels 144): docs/main-window-144dpi.png, docs/about-window-144dpi.png and
# docs/goto-verse-144dpi.png.
#   scripts/screenshots.sh [build folder] [win32|win64] [search word]
# The 32-bit program is the one pictured where it runs; the 64-bit one looks the same.
set -euo pipefail
build="${1:-build}"
export NURVELA_WINE_ARCH="${2:-win32}"
word="${3:-sabar}"
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/$build/$NURVELA_WINE_ARCH/app/nurvela.exe"
driver="$here/$build/screenshot-driver-$NURVELA_WINE_ARCH.exe"
# The prefix at 144 DPI, of the build's own kind.
case $NURVELA_WINE_ARCH in win32) prefix144="$here/$build/wineprefix-144" ;; *) prefix144="$here/$build/wineprefix64-144" ;; esac

if [ -z "${NURVELA_IN_XVFB:-}" ]; then
    case $NURVELA_WINE_ARCH in
        win32) what=32-bit compiler=i686-w64-mingw32-g++-posix ;;
        *) what=64-bit compiler=x86_64-w64-mingw32-g++-posix ;;
    esac
    echo "screenshots: the $what program, $build/$NURVELA_WINE_ARCH/app/nurvela.exe"
    . "$here/scripts/wine-user.sh"
    wine_user_drop_foreign screenshots
    wine_user_prefix_not_used screenshots
    "$here/scripts/wine-prefix.sh"
    # The driver is a few lines of Win32, built for the same Wine; rebuilt only when its
    # source changed.
    if [ ! -f "$driver" ] || [ "$here/tools/screenshot-driver.cpp" -nt "$driver" ]; then
        $compiler -std=c++20 -O2 -static -o "$driver" "$here/tools/screenshot-driver.cpp" -luser32
    fi
    WINEPREFIX="$prefix144" NURVELA_LOGPIXELS=144 "$here/scripts/wine-prefix.sh"
    # Large enough for the main window at 144 DPI, 1032 x 675 inside.
    NURVELA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi

run() { "$here/scripts/wine-run.sh" "$@"; }
# Saves the screen region "left top width height" (as the driver prints it) to a PNG.
shoot() {
    local rect="$1" out="$2" x y w h
    read -r x y w h <<<"$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
    echo "saved $out (${w}x${h})"
}

mkdir -p "$here/docs"

# One run of the reader: the search, About, "Ke Ayat", and with "full" the Arabic and the text
# size; the pictures' names end in suffix.
pictures() {
    local suffix="$1" full="$2" rect pid
    # Started directly (not through the function) so that $pid is the reader's own process.
    "$here/scripts/wine-run.sh" "$exe" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT

    run "$driver" wait Nurvela >/dev/null
    rect=$(run "$driver" search Nurvela "$word" | tr -d '\r')
    sleep 1
    shoot "$rect" "$here/docs/main-window$suffix.png"

    rect=$(run "$driver" about Nurvela | tr -d '\r')
    sleep 1
    shoot "$rect" "$here/docs/about-window$suffix.png"

    run "$driver" close " Tentang Program"
    sleep 1

    rect=$(run "$driver" goto Nurvela "Al-Baqarah 255" | tr -d '\r')
    sleep 1
    shoot "$rect" "$here/docs/goto-verse$suffix.png"

    run "$driver" close "Ke Ayat"
    sleep 1

    if [ "$full" = full ]; then
        rect=$(run "$driver" zoom Nurvela 150 | tr -d '\r')
        sleep 1
        shoot "$rect" "$here/docs/text-size-150$suffix.png"
        run "$driver" zoom Nurvela 100 >/dev/null

        rect=$(run "$driver" arabic Nurvela | tr -d '\r')
        sleep 1
        shoot "$rect" "$here/docs/arabic-view$suffix.png"

        # "aamanuu billaahi wa rasuulihii" as people type it, without vowels.
        rect=$(run "$driver" search Nurvela \
            '\u0622\u0645\u0646\u0648\u0627 \u0628\u0627\u0644\u0644\u0647 \u0648\u0631\u0633\u0648\u0644\u0647' |
            tr -d '\r')
        sleep 1
        shoot "$rect" "$here/docs/arabic-search$suffix.png"

        # The list of juz, juz 30 chosen, the Arabic still on.
        rect=$(run "$driver" juz Nurvela 30 | tr -d '\r')
        sleep 1
        shoot "$rect" "$here/docs/juz-view$suffix.png"
    fi
    run "$driver" close Nurvela
    # The reader ends by itself after the close; one that does not is stopped by the trap.
    for _ in $(seq 1 60); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    kill "$pid" 2>/dev/null || true
    trap - EXIT
}

pictures "" full
WINEPREFIX="$prefix144" pictures -144dpi basic
