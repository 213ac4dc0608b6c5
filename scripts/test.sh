#!/bin/sh
# Installs what is missing, builds the Linux, sanitized and both Windows builds, and
# runs every test, then the fuzz targets. Exits non-zero on any failure.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/build.sh" linux
"$root/scripts/build.sh" asan
"$root/scripts/build.sh" mingw64
"$root/scripts/build.sh" mingw32

# The service's tests also run on a PostgreSQL store: a throw-away server in a temporary
# folder, on loopback only, stopped however this script ends.
pg_dir=$(mktemp -d /tmp/quillon-pg.XXXXXX)
trap '"$root/scripts/pg-temp.sh" stop "$pg_dir"' EXIT
QLN_SERVICE_PG=$("$root/scripts/pg-temp.sh" start "$pg_dir")
export QLN_SERVICE_PG

status=0
echo "== Windows x86_64 tests under Wine"
ctest --test-dir "$root/build/mingw64" --output-on-failure || status=1
echo "== Linux tests"
ctest --test-dir "$root/build/linux" --output-on-failure -j2 || status=1
echo "== Linux tests under AddressSanitizer and UBSan"
ctest --test-dir "$root/build/asan" --output-on-failure -j2 -L asan || status=1
# Every parser under libFuzzer: its seeds and regression inputs, then 20 s of fuzzing.
echo "== Fuzz targets"
"$root/scripts/fuzz.sh" all 20 || status=1
exit $status
