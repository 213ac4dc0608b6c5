#!/bin/sh
# Installs the Debian packages the project needs, only those that are missing,
# so that a second run costs a second or two.
set -eu

packages="
cmake make g++ pkg-config
qtbase5-dev qtdeclarative5-dev qttools5-dev qttools5-dev-tools qtquickcontrols2-5-dev
zlib1g-dev libminizip-dev
libcpp-httplib-dev libsqlite3-dev libssl-dev nlohmann-json3-dev openssl
libpq-dev postgresql nginx-light
hwdata
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64
qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2 qml-module-qtquick-templates2
qml-module-qtgraphicaleffects qml-module-qtquick-dialogs qml-module-qtquick-controls qml-module-qtquick-extras
qml-module-qtquick-privatewidgets qml-module-qt-labs-folderlistmodel qml-module-qt-labs-settings
qml-module-qt-labs-platform qml-module-qttest libqt5svg5 fonts-open-sans xvfb xauth x11-apps
fonts-noto-core fonts-noto-cjk
curl
"

# "bench" adds what only the benchmarks use (aria2c for download_bench);
# the build never needs it. The service tests need nginx and PostgreSQL.
if [ "${1:-}" = "bench" ]; then
    packages="$packages aria2"
fi

missing=""
for package in $packages; do
    if ! dpkg -s "$package" >/dev/null 2>&1; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or install these packages first):$missing" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
