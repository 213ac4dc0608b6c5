#!/bin/sh
# Installs the Debian packages the project needs, only those that are missing,
# so that a second run costs a second or two.
set -eu

packages="
cmake make g++ pkg-config libxcb1-dev dpkg-dev
qtbase5-dev qtdeclarative5-dev qttools5-dev qttools5-dev-tools qtquickcontrols2-5-dev
zlib1g-dev libminizip-dev libdeflate-dev libz-mingw-w64-dev
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
clang-14 libclang-rt-14-dev llvm-14
"

# The fuzz tree: clang-14, libFuzzer and the sanitizer runtimes (libclang-rt-14-dev), and
# /usr/bin/llvm-symbolizer-14, where Debian's runtimes look for it, so that reports name their
# lines (llvm-14: clang-14 only recommends it, through llvm-14-dev, and recommends are not
# installed here).
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

# Debian ships minizip for the native build only; the MinGW builds compile Debian's own minizip
# source package (the source of libminizip-dev, with Debian's patches applied) from /usr/src/minizip.
minizip_source=/usr/src/minizip
if [ ! -f "$minizip_source/zip.c" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root to fetch the minizip source into $minizip_source" >&2
        exit 1
    fi
    # The source entries mirror the machine's own Debian entries, so no host is named here.
    sources_d=/etc/apt/sources.list.d
    if [ ! -f "$sources_d/quillon-src.sources" ] && [ ! -f "$sources_d/quillon-src.list" ]; then
        if [ -f "$sources_d/debian.sources" ]; then
            sed 's/^Types: deb$/Types: deb-src/' "$sources_d/debian.sources" \
                >"$sources_d/quillon-src.sources"
        else
            grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
                >"$sources_d/quillon-src.list"
        fi
        apt-get update -q
    fi
    download=$(mktemp -d)
    (cd "$download" && apt-get source --download-only minizip >/dev/null &&
        dpkg-source -x ./minizip_*.dsc unpacked >/dev/null)
    rm -rf "$minizip_source"
    mv "$download/unpacked" "$minizip_source"
    rm -rf "$download"
fi
