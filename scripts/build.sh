#!/bin/sh
# Configures and builds one build tree: linux (default), mingw64, mingw32, or asan (the
# sanitized libraries and their tests; after linux).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-linux}
jobs=${QLN_JOBS:-2}

build_type=Release
case "$kind" in
linux) toolchain="" ;;
# Needs the Linux build's quillon-service, which the net tests talk to.
asan)
    toolchain="-DQLN_SANITIZE=ON -DQLN_SERVICE_PROGRAM=$root/build/linux/service/quillon-service"
    build_type=RelWithDebInfo ;;
mingw64) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-x86_64.cmake" ;;
mingw32) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake" ;;
*) echo "usage: $0 [linux|mingw64|mingw32|asan]" >&2; exit 2 ;;
esac

# shellcheck disable=SC2086
cmake -S "$root" -B "$root/build/$kind" -DCMAKE_BUILD_TYPE=$build_type $toolchain >/dev/null
cmake --build "$root/build/$kind" -j "$jobs"
