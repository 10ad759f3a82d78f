#!/usr/bin/env bash
# Takes the documentation screenshots from the real program: starts nurvela.exe under Xvfb,
# searches for a word (hits in bold), saves the main window, opens the About window and saves
# it, opens "Ke Ayat" with Ctrl+G and saves it, shows the Arabic with Ctrl+Shift+A and saves
# the main window again, then closes them all. Writes docs/main-window.png,
# docs/about-window.png, docs/goto-verse.png and docs/arabic-view.png.
#   scripts/screenshots.sh [build folder] [win32|win64] [search word]
# The 32-bit program is the one pictured where it runs; the 64-bit one looks the same.
set -euo pipefail
build="${1:-build}"
export NURVELA_WINE_ARCH="${2:-win32}"
word="${3:-sabar}"
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/$build/$NURVELA_WINE_ARCH/app/nurvela.exe"
driver="$here/$build/screenshot-driver-$NURVELA_WINE_ARCH.exe"

if [ -z "${NURVELA_IN_XVFB:-}" ]; then
    case $NURVELA_WINE_ARCH in
        win32) what=32-bit compiler=i686-w64-mingw32-g++-posix ;;
        *) what=64-bit compiler=x86_64-w64-mingw32-g++-posix ;;
    esac
    echo "screenshots: the $what program, $build/$NURVELA_WINE_ARCH/app/nurvela.exe"
    "$here/scripts/wine-prefix.sh"
    # The driver is a few lines of Win32, built for the same Wine; rebuilt only when its
    # source changed.
    if [ ! -f "$driver" ] || [ "$here/tools/screenshot-driver.cpp" -nt "$driver" ]; then
        $compiler -std=c++20 -O2 -static -o "$driver" "$here/tools/screenshot-driver.cpp" -luser32
    fi
    NURVELA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
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
# Started directly (not through the function) so that $pid is the reader's own process.
"$here/scripts/wine-run.sh" "$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

run "$driver" wait Nurvela >/dev/null
rect=$(run "$driver" search Nurvela "$word" | tr -d '\r')
sleep 1
shoot "$rect" "$here/docs/main-window.png"

rect=$(run "$driver" about Nurvela | tr -d '\r')
sleep 1
shoot "$rect" "$here/docs/about-window.png"

run "$driver" close " Tentang Program"
sleep 1

rect=$(run "$driver" goto Nurvela "Al-Baqarah 255" | tr -d '\r')
sleep 1
shoot "$rect" "$here/docs/goto-verse.png"

run "$driver" close "Ke Ayat"
sleep 1

rect=$(run "$driver" arabic Nurvela | tr -d '\r')
sleep 1
shoot "$rect" "$here/docs/arabic-view.png"
run "$driver" close Nurvela
# The reader ends by itself after the close; one that does not is stopped by the trap.
for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
