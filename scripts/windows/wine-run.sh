#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine: the emulator CMake and ctest put before
# every test program. Usage: wine-run.sh DLL_FOLDER PROGRAM.exe [ARGUMENTS...]
# DLL_FOLDER (Qt's bin folder) and the MinGW runtime's folders are searched for DLLs. The Wine
# prefix is $TAVLOR_WINEPREFIX, else one of the cache's own (never ~/.wine); it is made on first
# use, once, even when ctest starts several programs at the same time.
set -euo pipefail
dll_folder=$1
shift
cache_root=${TAVLOR_CACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/var/cache}/.cache}/tavlor}
export WINEPREFIX=${TAVLOR_WINEPREFIX:-$cache_root/wine-tests}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
to_windows() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPATH="$(to_windows "$dll_folder");$(to_windows "$runtime");$(to_windows /usr/x86_64-w64-mingw32/lib)"
# The 64-bit loader itself: with wine32 installed, "wine" would start the 32-bit one first.
wine=$( [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
if [ ! -f "$WINEPREFIX/.tavlor-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tavlor-ready" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver -w 2>/dev/null || true
      touch "$WINEPREFIX/.tavlor-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# One server for the whole test run, kept 30 s past its last program: a server that ends between
# two programs of a parallel run resets the one just connecting ("recvmsg: Connection reset").
# The server and the services Wine starts with it (winedevice.exe) are started here, detached from
# the caller's pipes: started by a test program they would hold ctest's pipes open and keep it
# waiting. Exit code 0: this call started the server (2: one runs already).
if /usr/lib/wine/wineserver -p30 </dev/null >/dev/null 2>&1; then
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
exec "$wine" "$@"
