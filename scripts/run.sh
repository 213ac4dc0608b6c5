#!/bin/sh
# Installs what is missing, builds, starts the reference service on
# 127.0.0.1:8787 with a data folder of its own (build/run), then QuillonPro
# against it; the service stops when QuillonPro ends.
#
# Without a display the program runs under Xvfb and walks through each window
# and each finished page once, saving a picture of each; the folder is given
# with -screenshots DIR (default build/screenshots) and named at the end.
# With a display, -screenshots DIR does the same on that display.
#
# -offer-update makes the service offer a newer version (9.9.9.9) whose setup is
# a small script in the service's data folder; once QuillonPro has downloaded and
# checked it, the script records that it ran in build/run/setup-ran.log.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

usage="usage: $0 [-screenshots DIR] [-offer-update] [QuillonPro arguments...]"
screenshots=""
offer_update=""
while [ $# -gt 0 ]; do
    case "$1" in
    -screenshots) screenshots=${2:?$usage}; shift 2 ;;
    -offer-update) offer_update=1; shift ;;
    *) break ;;
    esac
done

"$root/scripts/deps.sh"
"$root/scripts/build.sh" linux

program="$root/build/linux/app/QuillonPro"
reminder="$root/build/linux/app/QuillonProSetup"
service="$root/build/linux/service/quillon-service"
listen="127.0.0.1:8787"
base="http://$listen"
run="$root/build/run"
mkdir -p "$run/service-data"

update='{}'
if [ -n "$offer_update" ]; then
    mkdir -p "$run/service-data/files/update"
    cat >"$run/service-data/files/update/QuillonProSetup.exe" <<EOF
#!/bin/sh
# Stands in for the setup of a newer QuillonPro.
echo "\$(date '+%F %T') setup started: \$0" >>"$run/setup-ran.log"
EOF
    update='{"version": "9.9.9.9", "file": "QuillonProSetup.exe"}'
fi

cat >"$run/service.json" <<EOF
{
    "update": $update,
    "ga_id": "UA-00000000-1",
    "access_log": "access.log",
    "public_urls": {
        "site": "https://quillon.example/",
        "support": "https://quillon.example/support",
        "contacts": "https://quillon.example/contacts",
        "privacy_policy": "https://quillon.example/privacy",
        "user_agreement": "https://quillon.example/eula",
        "refund_policy": "https://quillon.example/refund",
        "how_to_delete": "https://quillon.example/uninstall",
        "non-whql": "https://quillon.example/non-whql"
    }
}
EOF

# The sample catalogue, so that a first scan of the sample PC finds updates.
python3 "$root/scripts/make-sample-catalog.py" --out "$run/packages" >/dev/null
"$service" index --data "$run/service-data" --packages "$run/packages"

# The service's streams go to files, so that nothing it holds keeps this
# script's output open after it ends.
"$service" --data "$run/service-data" --listen "$listen" --config "$run/service.json" \
    >"$run/service.out" 2>"$run/service.err" </dev/null &
service_pid=$!
stop_service() {
    if kill -0 "$service_pid" 2>/dev/null; then
        kill -TERM "$service_pid" 2>/dev/null || true
        wait "$service_pid" 2>/dev/null || true
    fi
}
trap stop_service EXIT
trap 'exit 130' INT TERM

# Ready once it has bound its port (its first line names it) and answers a
# request; an answer without a token (401) will do.
tries=0
until [ -s "$run/service.out" ] && curl -s -o /dev/null "$base/app/settings"; do
    if ! kill -0 "$service_pid" 2>/dev/null; then
        echo "quillon-service did not start on $listen:" >&2
        cat "$run/service.err" >&2
        exit 1
    fi
    tries=$((tries + 1))
    if [ "$tries" -ge 100 ]; then
        echo "quillon-service does not answer on $listen" >&2
        exit 1
    fi
    sleep 0.1
done
echo "quillon-service answers on $base (data in $run/service-data)"

export QUILLON_ANALYTICS_URL="$base/collect/batch"
status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    screenshots=${screenshots:-$root/build/screenshots}
    mkdir -p "$screenshots"
    screenshots=$(cd "$screenshots" && pwd)
    rm -f "$screenshots"/*.png
    QUILLON_SCREENSHOTS="$screenshots" timeout 300 \
        xvfb-run -a -s "-screen 0 1280x800x24" "$program" -log "$@" </dev/null || status=$?
    # The reminder window the scheduled task brings up saves its own picture.
    (cd "$(dirname "$reminder")" && QUILLON_SCREENSHOTS="$screenshots" timeout 60 \
        xvfb-run -a -s "-screen 0 1280x800x24" "$reminder" </dev/null) || status=$?
elif [ -n "$screenshots" ]; then
    mkdir -p "$screenshots"
    screenshots=$(cd "$screenshots" && pwd)
    QUILLON_SCREENSHOTS="$screenshots" "$program" -log "$@" || status=$?
    (cd "$(dirname "$reminder")" && QUILLON_SCREENSHOTS="$screenshots" "$reminder") || status=$?
else
    "$program" -log "$@" || status=$?
fi

stop_service
log="${XDG_DATA_HOME:-$HOME/.local/share}/QuillonPro/quillonpro.log"
echo "QuillonPro ended with exit code $status. Its log, $log:"
tail -n 20 "$log" 2>/dev/null || echo "(no log yet: the first run creates the folder it goes in)"
echo "The service's requests: $run/service-data/access.log"
if [ -n "$screenshots" ]; then
    echo "Screenshots of every window and page: $screenshots"
    ls "$screenshots"
fi
exit $status
