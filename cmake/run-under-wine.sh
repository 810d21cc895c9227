#!/bin/sh
# Runs a Windows executable under Wine: the emulator that CMake and CTest put before every
# Windows executable they run (test discovery, the tests, the whole-program runs).
#
#   run-under-wine.sh PROGRAM.exe [ARGUMENTS...]
#
# Wine's 64-bit loader runs PE32+ itself and PE32 in its WoW64 mode, which needs the 32-bit
# Windows DLLs on WINEDLLPATH. Debian's `wine` command would hand PE32 to wine32, a 32-bit
# Linux program, which some machines cannot execute. WINEPREFIX, set up with
# `wineboot --init` beforehand, comes from the caller (.ci/windows). WINEDEBUG=-all keeps
# Wine's own messages off standard error, which the tests check.
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
fi
exec wine64 "$@"
