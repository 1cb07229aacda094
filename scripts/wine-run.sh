#!/bin/sh
# Runs a Windows program under Wine: the emulator CTest and CMake use for the
# windows preset (cmake/mingw-w64-x86_64.cmake). The session lives in the
# build tree holding the program (its wine/ folder), or in BITLOOM_WINE_DIR.
#   scripts/wine-run.sh build/windows/win32/bitloom.exe
set -eu
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2; exit 2; }

if [ -z "${BITLOOM_WINE_DIR:-}" ]; then
    build=$(cd "$(dirname "$1")" && pwd)
    while [ ! -f "$build/CMakeCache.txt" ]; do
        [ "$build" != / ] || { echo "$0: $1 is in no build tree; set BITLOOM_WINE_DIR" >&2; exit 2; }
        build=$(dirname "$build")
    done
    BITLOOM_WINE_DIR=$build/wine
fi
exec sh "$(dirname "$0")/wine-session.sh" run "$BITLOOM_WINE_DIR" "$@"
