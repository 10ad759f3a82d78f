# Sourced by the scripts that start Wine for a user (run, bench, screenshots, test): what to do
# with the Wine variables of the user's own shell. Every build runs with its own loader, kind
# and prefix (scripts/wine-env.sh); variables that would send Wine to another server or other
# DLLs are not used, and the scripts say so in one line.
#   wine_user_drop_foreign WHO      drops WINESERVER, WINEDLLPATH, WINELOADER and WINEARCH
#   wine_prefix_kind PREFIX         prints win32 or win64 for a Wine prefix, nothing for a
#                                   folder that is no prefix (yet)
#   wine_user_prefix WHO ARCH       make run: keeps a WINEPREFIX of the user's own when the
#                                   build ARCH can use it, else drops it for the project's own
#   wine_user_prefix_not_used WHO   bench, screenshots, test: the project's own prefixes only,
#                                   so that figures and pictures do not depend on the user's

wine_user_drop_foreign() {
    local who=$1 name dropped=()
    for name in WINESERVER WINEDLLPATH WINELOADER WINEARCH; do
        if [ -n "${!name:-}" ]; then
            dropped+=("$name=${!name}")
            unset "$name"
        fi
    done
    if [ ${#dropped[@]} -gt 0 ]; then
        echo "$who: not using ${dropped[*]} from your shell: each build runs with its own Wine loader and server"
    fi
}

wine_prefix_kind() {
    [ -f "$1/system.reg" ] && sed -n 's/^#arch=\(win32\|win64\).*/\1/p' "$1/system.reg" | head -n1
    return 0
}

wine_user_prefix() {
    local who=$1 arch=$2 kind what
    [ -n "${WINEPREFIX:-}" ] || return 0
    kind=$(wine_prefix_kind "$WINEPREFIX")
    case $arch in win32) what=32-bit ;; *) what=64-bit ;; esac
    if [ -z "$kind" ]; then
        echo "$who: in your WINEPREFIX $WINEPREFIX, which is no Wine prefix yet: Wine makes a $what one there"
    elif [ "$kind" = "$arch" ]; then
        echo "$who: in your Wine prefix $WINEPREFIX ($what)"
    else
        local other why=""
        case $kind in win32) other=32-bit ;; *) other=64-bit ;; esac
        if ! "$(dirname "${BASH_SOURCE[0]}")/wine-builds.sh" 2>/dev/null | grep -qw "$kind"; then
            why=", and the $other program does not run here"
        fi
        echo "$who: your WINEPREFIX $WINEPREFIX is a $other prefix, which the $what program cannot use$why: the project's own prefix is used"
        unset WINEPREFIX
    fi
}

wine_user_prefix_not_used() {
    local who=$1
    if [ -n "${WINEPREFIX:-}" ]; then
        echo "$who: not using your WINEPREFIX $WINEPREFIX: the project's own prefixes, so that the results do not depend on it"
        unset WINEPREFIX
    fi
}
