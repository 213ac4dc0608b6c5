#!/bin/sh
# Installs what is missing, builds, and starts QuillonPro.
#
# Without a display the program runs under Xvfb and walks through each window
# and each finished page once, saving a picture of each; the folder is given
# with -screenshots DIR (default build/screenshots) and named at the end.
# With a display, -screenshots DIR does the same on that display.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

screenshots=""
if [ "${1:-}" = "-screenshots" ]; then
    screenshots=${2:?usage: $0 [-screenshots DIR] [QuillonPro arguments...]}
    shift 2
fi

"$root/scripts/deps.sh"
"$root/scripts/build.sh" linux

program="$root/build/linux/app/QuillonPro"
status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    screenshots=${screenshots:-$root/build/screenshots}
    mkdir -p "$screenshots"
    screenshots=$(cd "$screenshots" && pwd)
    rm -f "$screenshots"/*.png
    QUILLON_SCREENSHOTS="$screenshots" timeout 300 \
        xvfb-run -a -s "-screen 0 1280x800x24" "$program" -log "$@" </dev/null || status=$?
elif [ -n "$screenshots" ]; then
    mkdir -p "$screenshots"
    screenshots=$(cd "$screenshots" && pwd)
    QUILLON_SCREENSHOTS="$screenshots" "$program" -log "$@" || status=$?
else
    "$program" -log "$@" || status=$?
fi

log="${XDG_DATA_HOME:-$HOME/.local/share}/QuillonPro/quillonpro.log"
echo "QuillonPro ended with exit code $status. Its log, $log:"
tail -n 20 "$log" 2>/dev/null || echo "(no log yet: the first run creates the folder it goes in)"
if [ -n "$screenshots" ]; then
    echo "Screenshots of every window and page: $screenshots"
    ls "$screenshots"
fi
exit $status
