#!/bin/sh
# Prepares (setup) or stops (cleanup) the Wine prefix the Windows tests run in.
set -u
action=$1
prefix=$2
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
log="$prefix.log"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=

# Wine's servers outlive this script. Holding the test runner's output pipes,
# they would keep it waiting until its time-out, so their output goes to a file.
quiet() {
    "$@" </dev/null >>"$log" 2>&1
}

fail() {
    echo "$1; Wine said:" >&2
    tail -n 30 "$log" >&2
    exit 1
}

case "$action" in
setup)
    mkdir -p "$prefix"
    : >"$log"
    # A persistent server keeps the prefix warm between test programs.
    quiet "$wineserver" -p || true
    if [ ! -f "$prefix/system.reg" ]; then
        quiet "$wine" wineboot -u || fail "wineboot failed"
    fi
    # Without this, Wine's crash debugger swallows a crash and the test may pass.
    key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
    quiet "$wine" reg add "$key" /v Debugger /t REG_SZ /d "" /f || fail "reg add failed"
    quiet "$wine" reg add "$key" /v Auto /t REG_SZ /d 0 /f || fail "reg add failed"
    ;;
cleanup)
    quiet "$wineserver" -k || true
    ;;
*)
    echo "usage: $0 setup|cleanup PREFIX" >&2
    exit 2
    ;;
esac
exit 0
