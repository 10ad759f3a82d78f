# Sourced by the Wine scripts: the loader and prefix of one build, chosen by NURVELA_WINE_ARCH.
#   win32 (the default)  the 32-bit program: /usr/lib/wine/wine, a 32-bit prefix
#   win64                the 64-bit program: /usr/lib/wine/wine64, a 64-bit prefix
# The loaders are called by their own paths: /usr/bin/wine prefers the 32-bit loader whenever
# it is installed, also on a machine that cannot run it. WINEARCH is set so that a new prefix
# is of the build's own kind, whichever loaders are installed.
# Needs $here, the repository root.
case "${NURVELA_WINE_ARCH:-win32}" in
    win32)
        wine_loader=/usr/lib/wine/wine
        wine_default_prefix="$here/build/wineprefix"
        ;;
    win64)
        wine_loader=/usr/lib/wine/wine64
        wine_default_prefix="$here/build/wineprefix64"
        ;;
    *)
        echo "NURVELA_WINE_ARCH must be win32 or win64, not '$NURVELA_WINE_ARCH'" >&2
        exit 2
        ;;
esac
export WINEARCH="${NURVELA_WINE_ARCH:-win32}"
export WINELOADER="$wine_loader"
export WINEPREFIX="${WINEPREFIX:-$wine_default_prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
