#!/bin/sh
# Installs what is missing, builds the Linux and both Windows builds, and runs
# every test. Exits non-zero on any failure.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/build.sh" linux
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
exit $status
