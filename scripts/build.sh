#!/bin/sh
# Configures and builds one build tree: linux (default), mingw64 or mingw32.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-linux}
jobs=${QLN_JOBS:-2}

case "$kind" in
linux) toolchain="" ;;
mingw64) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-x86_64.cmake" ;;
mingw32) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake" ;;
*) echo "usage: $0 [linux|mingw64|mingw32]" >&2; exit 2 ;;
esac

# shellcheck disable=SC2086
cmake -S "$root" -B "$root/build/$kind" -DCMAKE_BUILD_TYPE=Release $toolchain >/dev/null
cmake --build "$root/build/$kind" -j "$jobs"
