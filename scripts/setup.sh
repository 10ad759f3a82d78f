#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root.
# Idempotent: a package or source entry already present is not installed again.
set -euo pipefail

need_update=0
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

# 32-bit packages for Wine's 32-bit loader.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_update=1
fi

# Source entries: the Windows build compiles libbz2 from Debian's bzip2 source package.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    $SUDO tee /etc/apt/sources.list.d/nurvela-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    need_update=1
fi

packages=(
    cmake make ninja-build g++ pkg-config
    # The two Windows builds: the 32-bit program and the 64-bit one beside it.
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    libbz2-dev bzip2 dpkg-dev
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    # Wine for each build: wine32 runs the 32-bit program, wine64 the 64-bit one (and is the
    # only one that runs on a machine without 32-bit code; the scripts call each loader by its
    # path, so installing both is harmless there).
    wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick fonts-liberation
    python3 zip
    # The Arabic font the program embeds, hb-shape, with which a test proves that the font
    # draws every verse as the program shows it, and fontTools, with which the build makes the
    # program's copy of the font with line metrics fitted to the text's ink.
    fonts-hosny-amiri libharfbuzz-bin python3-fonttools
    # The office suite the export tests read the saved files back with. It is large (several
    # hundred megabytes with what it pulls in); only its Writer part without a desktop front end.
    libreoffice-writer-nogui
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    need_update=1
fi
if [ "$need_update" = 1 ]; then
    $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Node.js runs the text generator, whose --check is a test; Debian's own packages unless a
# node is already there (a machine may have it from elsewhere, with npm inside).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    node_packages=()
    command -v node >/dev/null || node_packages+=(nodejs)
    command -v npm >/dev/null || node_packages+=(npm)
    echo "setup: installing ${node_packages[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${node_packages[@]}"
fi
# The packages at the versions tools/package-lock.json pins: the one the texts come from, the
# one the table of juz and pages comes from, and the imla'i text the native tests measure the
# Arabic search against.
tools="$(cd "$(dirname "$0")/../tools" && pwd)"
if [ ! -f "$tools/node_modules/quran-json/package.json" ] ||
   [ ! -f "$tools/node_modules/quran-meta/dist/hafs.js" ] ||
   [ ! -f "$tools/node_modules/quran-validator/data/quran-verses.json" ]; then
    echo "setup: npm ci in $tools"
    (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error)
fi
