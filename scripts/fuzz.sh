#!/bin/sh
# Builds the fuzz targets with clang and libFuzzer (build/fuzz), replays every seed and
# regression input of a target, then fuzzes it for SECONDS (default 600).
#   scripts/fuzz.sh TARGET [SECONDS]     one target: inffile, installwire, utf, zipreader,
#                                        machinemodel, requesthead, bodydecoder,
#                                        recoveryfiles, backupinfo
#   scripts/fuzz.sh all [SECONDS]        every target in turn (scripts/test.sh: 20 s each)
# Exits non-zero on any crash, sanitizer report, time-out or failed check, after printing
# the input that did it. New inputs found along the way stay in build/fuzz/work/TARGET/;
# copy one that found a fault into tests/fuzz/regressions/TARGET/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
source="$root/tests/fuzz"
all="inffile installwire utf zipreader machinemodel requesthead bodydecoder recoveryfiles backupinfo"

if [ $# -lt 1 ]; then
    echo "usage: $0 TARGET|all [SECONDS]  (targets: $all)" >&2
    exit 2
fi
which=$1
seconds=${2:-600}
if [ "$which" = all ]; then
    targets=$all
else
    case " $all " in
    *" $which "*) targets=$which ;;
    *) echo "unknown target $which (targets: $all)" >&2; exit 2 ;;
    esac
fi

cmake -S "$root" -B "$build" -DQLN_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
# shellcheck disable=SC2046
cmake --build "$build" -j "${QLN_JOBS:-2}" --target $(for t in $targets; do printf '%s_fuzz ' "$t"; done)

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt's own leaks are left out (lsan.supp says which and why).
export LSAN_OPTIONS="suppressions=$source/lsan.supp:print_suppressions=0"

show() {
    echo "== input that failed: $1"
    od -A d -c "$1" | head -n 40
}

corpus_dirs() {
    for dir in "$source/corpus/$1" "$source/regressions/$1"; do
        [ -d "$dir" ] && printf '%s\n' "$dir"
    done
    # The INF reader also reads the test INFs and the real-world corpus beside the checkout.
    if [ "$1" = inffile ]; then
        printf '%s\n' "$root/data/inf"
        shared=${QUILLON_INF_CORPUS:-$root/../shared/inf-corpus}
        [ -d "$shared" ] || shared="$root/../../shared/inf-corpus"
        [ -d "$shared" ] && printf '%s\n' "$shared"
    fi
    return 0
}

# Seed folders hold no spaces, but the shared corpus does: split the folder list at line ends.
newline='
'
status=0
for target in $targets; do
    program="$build/tests/fuzz/${target}_fuzz"
    work="$build/work/$target"
    artifacts="$build/artifacts/$target/"
    log="$build/$target.log"
    rm -rf "$artifacts"
    mkdir -p "$work" "$artifacts"
    dirs=$(corpus_dirs "$target")
    echo "== $target: replaying seeds and regression inputs"
    # Every input once, without fuzzing; libFuzzer names each file before it runs it.
    # shellcheck disable=SC2086
    if ! (IFS=$newline; find $dirs -type f ! -name '*.md' ! -name '*.tsv' -print0 | sort -z |
        xargs -0 -r "$program" -timeout=10 -rss_limit_mb=2048) >"$log" 2>&1; then
        tail -n 30 "$log"
        show "$(sed -n 's/^Running: //p' "$log" | tail -n 1)"
        status=1
        continue
    fi
    echo "== $target: fuzzing for $seconds s"
    # shellcheck disable=SC2086
    if ! (IFS=$newline; "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$artifacts" "$work" $dirs) \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        for found in "$artifacts"*; do
            [ -f "$found" ] && show "$found"
        done
        status=1
        continue
    fi
    grep -E "^stat::number_of_executed_units" "$log" || true
done
exit $status
