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
failed=""
run_tests() {
    tree=$1
    shift
    ctest --test-dir "$root/build/$tree" --output-on-failure "$@" || {
        status=1
        failed="$failed $tree"
    }
}
echo "== Windows x86_64 tests under Wine"
run_tests mingw64
echo "== Linux tests"
run_tests linux -j2
echo "== Linux tests under AddressSanitizer and UBSan"
run_tests asan -j2 -L asan
# Every parser under libFuzzer: its seeds and regression inputs, then 20 s of fuzzing.
echo "== Fuzz targets"
"$root/scripts/fuzz.sh" all 20 || status=1

# A failure's own lines scroll far up among the passing tests' output: repeat them last.
for tree in $failed; do
    log="$root/build/$tree/Testing/Temporary/LastTest.log"
    echo "== Failed in $tree:"
    sed 's/^/   /' "$root/build/$tree/Testing/Temporary/LastTestsFailed.log" 2>/dev/null || true
    grep -E "^(FAIL!|   Loc:|   Actual|   Expected|Totals:)|Timeout|Exception|Sanitizer" "$log" \
        2>/dev/null | grep -v "Totals: .* 0 failed" | head -40 || true
done
exit $status
