#!/bin/sh
# Installs what is missing, builds, and starts QuillonPro.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/build.sh" linux

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi

"$root/build/linux/app/QuillonPro" -log "$@"
status=$?
log="${XDG_DATA_HOME:-$HOME/.local/share}/QuillonPro/quillonpro.log"
echo "QuillonPro ended with exit code $status. Its log, $log:"
tail -n 20 "$log" 2>/dev/null || echo "(no log yet: the first run creates the folder it goes in)"
exit $status
