#!/bin/sh
# A throw-away PostgreSQL cluster in a folder, reachable on loopback only, for tests and
# benchmarks. PostgreSQL refuses to run as root, so as root it runs as the postgres user.
#   scripts/pg-temp.sh start DIR   prints postgresql://postgres@127.0.0.1:PORT/postgres
#   scripts/pg-temp.sh stop DIR    stops it and deletes DIR
set -eu
action=${1:-}
dir=${2:-}
if [ -z "$dir" ] || { [ "$action" != start ] && [ "$action" != stop ]; }; then
    echo "usage: $0 start|stop DIR" >&2
    exit 2
fi
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ]; then
    echo "$0: PostgreSQL is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
as_owner() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

if [ "$action" = stop ]; then
    if [ -f "$dir/cluster/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$dir/cluster" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    exit 0
fi

mkdir -p "$dir"
# The server runs as postgres, which must reach the folder: keep it out of private folders.
[ "$(id -u)" = 0 ] && chown postgres "$dir"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
as_owner "$bin/initdb" -D "$dir/cluster" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
# Throw-away data: durability of the cluster itself is not under test, its speed is.
as_owner "$bin/pg_ctl" -D "$dir/cluster" -l "$dir/server.log" -w -o \
    "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c full_page_writes=off -c max_connections=300" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
echo "postgresql://postgres@127.0.0.1:$port/postgres"
