#!/usr/bin/env bash
# A private PostgreSQL server for the tests, in a temporary folder on a free
# local port; the real server of the machine is never touched.
#   testserver.sh start INFO [VANDREL_DB]   starts it, creates the template
#                                           databases and writes INFO
#   testserver.sh stop INFO                 stops it and removes the folder
# INFO holds the lines URI=..., PGPASSFILE=... and FOLDER=... for the tests.
# As root the server runs as the system user "postgres": PostgreSQL refuses
# to run as root.
set -euo pipefail

command=${1:?start oder stop}
info=${2:?Infodatei}

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL fehlt (Debian-Paket postgresql)" >&2; exit 1; }

as_server_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop_server() {
    [ -f "$info" ] || return 0
    local folder
    folder=$(sed -n 's/^FOLDER=//p' "$info")
    if [ -n "$folder" ] && [ -d "$folder/data" ]; then
        as_server_user "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop > /dev/null 2>&1 || true
    fi
    [ -n "$folder" ] && rm -rf "$folder"
    rm -f "$info"
}

case "$command" in
start)
    stop_server
    folder=$(mktemp -d /tmp/vandrel-testserver.XXXXXX)
    chmod 755 "$folder"
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
    printf '%s\n' "$password" > "$folder/pw"
    mkdir "$folder/data"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$folder/data" "$folder/pw" && chmod 1777 "$folder"
    # The server asks for the password over TCP, as a real one does; the
    # tests find it in their own password file.
    as_server_user "$bin/initdb" -D "$folder/data" -U vandrel --pwfile="$folder/pw" \
        --auth-host=scram-sha-256 --auth-local=trust -E UTF8 --locale=C.UTF-8 > "$folder/initdb.log"
    rm -f "$folder/pw"
    as_server_user "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
        -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off -c max_connections=200" \
        start > /dev/null
    printf '127.0.0.1:%s:*:vandrel:%s\n' "$port" "$password" > "$folder/pgpass"
    chmod 600 "$folder/pgpass"
    {
        echo "URI=postgresql://vandrel@127.0.0.1:$port"
        echo "PGPASSFILE=$folder/pgpass"
        echo "FOLDER=$folder"
    } > "$info"
    # Templates that every test copies instead of building its databases anew.
    # The catalogue of each is renamed, so both pairs can live on one server.
    if [ -n "${3:-}" ]; then
        export PGPASSFILE="$folder/pgpass"
        for template in vorlage vorlage_demo; do
            flags=()
            [ "$template" = vorlage_demo ] && flags=(--demo)
            "$3" create "postgresql://vandrel@127.0.0.1:$port/$template" "${flags[@]}" > /dev/null
            "$bin/psql" -q -h "$folder" -p "$port" -U vandrel -d postgres \
                -c "ALTER DATABASE vandrelorg RENAME TO ${template}org"
        done
    fi
    echo "Testserver: PostgreSQL auf Port $port in $folder"
    ;;
stop)
    stop_server
    ;;
*)
    echo "Aufruf: $0 start|stop INFODATEI [VANDREL_DB]" >&2
    exit 2
    ;;
esac
