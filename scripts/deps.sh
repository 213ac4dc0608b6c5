#!/bin/sh
# Installs the Debian packages the project needs, only those that are missing,
# so that a second run costs a second or two.
set -eu

packages="
cmake make g++ pkg-config
qtbase5-dev qtdeclarative5-dev qttools5-dev qttools5-dev-tools qtquickcontrols2-5-dev
zlib1g-dev libminizip-dev
libcpp-httplib-dev libsqlite3-dev libssl-dev nlohmann-json3-dev openssl
hwdata
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64
"

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
