#!/usr/bin/env bash
# Which builds of the program this machine can run under Wine, found by starting each loader.
# Some machines run no 32-bit x86 code at all (a paravirtualised guest without a 32-bit code
# segment): there the 32-bit loader fails with "Exec format error" and only the 64-bit build
# runs, under wine64.
#   scripts/wine-builds.sh          prints the runnable builds, "win32 win64" or one of them;
#                                   for a build that cannot run, one line on stderr says why
#   scripts/wine-builds.sh --pick   prints the build to run the program with: win32 where it
#                                   runs, else win64
#   scripts/wine-builds.sh --pick --for-user-prefix
#                                   the same, but for make run in a WINEPREFIX of the user's
#                                   own: the build of that prefix's kind where it runs here
# Fails, naming the cause, when neither runs.
set -euo pipefail
runnable=()
for arch in win32 win64; do
    case $arch in
        win32) loader=/usr/lib/wine/wine what="32-bit" ;;
        win64) loader=/usr/lib/wine/wine64 what="64-bit" ;;
    esac
    if [ ! -x "$loader" ]; then
        why="$loader is not installed"
    elif why=$("$loader" --version 2>&1 >/dev/null); then
        runnable+=("$arch")
        continue
    else
        # The shell's own words ("bash: line 9: ") say nothing about the machine.
        why=$(printf '%s' "$why" | head -n1 | sed -e 's/^.*line [0-9]*: //')
        why="$loader --version failed${why:+: $why}"
    fi
    echo "wine-builds: the $what build cannot run here: $why" >&2
done
if [ ${#runnable[@]} = 0 ]; then
    echo "wine-builds: this machine runs neither Windows build under Wine (see above)" >&2
    exit 1
fi
if [ "${1:-}" = --pick ]; then
    pick=${runnable[0]}
    if [ "${2:-}" = --for-user-prefix ] && [ -n "${WINEPREFIX:-}" ]; then
        . "$(dirname "$0")/wine-user.sh"
        kind=$(wine_prefix_kind "$WINEPREFIX")
        for arch in "${runnable[@]}"; do
            if [ "$arch" = "$kind" ]; then pick=$kind; fi
        done
    fi
    echo "$pick"
else
    echo "${runnable[*]}"
fi
