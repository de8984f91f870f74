#!/usr/bin/env bash
# Sets up Vandrel Tessaro on a Debian 12 machine.
#   ./vandrel.sh run    installs what is missing, builds, creates the demo
#                       databases when none is configured, and starts the program
#   ./vandrel.sh test   installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n
    libsodium-dev libsqlite3-dev libpq-dev libxlsxwriter-dev fonts-liberation
)
test_packages=(xvfb xauth sqlite3 poppler-utils python3-openpyxl postgresql)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installiere: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
    cmake --build build -j"$(nproc)"
}

# The program finds its care database through vandrel.ini beside the
# executable; without a usable entry the demo database is created and entered.
# Section and key are found in any letter case, as the program does; other
# sections and keys of the file stay as they are.
ini_value() {
    awk '{ sub(/\r$/, "") }
         /^[ \t]*\[/ { section = tolower($0); gsub(/[ \t]/, "", section); next }
         section == "[datenbank]" && index($0, "=") {
             key = tolower(substr($0, 1, index($0, "=") - 1)); gsub(/[ \t]/, "", key)
             if (key == "dateipfadname") { print substr($0, index($0, "=") + 1); exit }
         }' "$1"
}

ini_set_value() {
    local ini=$1 value=$2 tmp
    tmp=$(mktemp "$ini.XXXXXX")
    # The value travels through the environment: awk -v would take its
    # backslashes for escapes.
    VALUE="$value" awk '
         BEGIN { value = ENVIRON["VALUE"] }
         { line = $0; sub(/\r$/, "", line) }
         line ~ /^[ \t]*\[/ {
             if (in_section && !done) { print "DateiPfadName=" value; done = 1 }
             section = tolower(line); gsub(/[ \t]/, "", section); in_section = (section == "[datenbank]")
         }
         in_section && !done && index(line, "=") {
             key = tolower(substr(line, 1, index(line, "=") - 1)); gsub(/[ \t]/, "", key)
             if (key == "dateipfadname") { print "DateiPfadName=" value; done = 1; next }
         }
         { print }
         END {
             if (!done && in_section) print "DateiPfadName=" value
             else if (!done) { print "[Datenbank]"; print "DateiPfadName=" value }
         }' "$ini" > "$tmp"
    mv "$tmp" "$ini"
}

configure_demo() {
    local ini=build/vandrel.ini
    local configured=""
    if [ -f "$ini" ]; then
        configured=$(ini_value "$ini")
    fi
    # A server address is the organisation's own choice and stays as it is.
    case "$configured" in
        postgresql://* | postgres://*) return ;;
    esac
    if [ -n "$configured" ] && [ -f "$configured" ]; then
        return
    fi
    local demo="${XDG_DATA_HOME:-$HOME/.local/share}/vandrel/demo"
    if [ ! -f "$demo/vandrel.accdb" ]; then
        build/vandrel-db create "$demo" --demo --organisation "Pflege am Mühlenbach"
    fi
    [ -f "$ini" ] || : > "$ini"
    ini_set_value "$ini" "$demo/vandrel.accdb"
    echo "Demo-Datenbank: $demo/vandrel.accdb (eingetragen in $ini)"
}

case "${1:-}" in
    run)
        install_missing "${packages[@]}"
        build
        configure_demo
        exec build/vandrel
        ;;
    test)
        install_missing "${packages[@]}" "${test_packages[@]}"
        build
        ctest --test-dir build --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "Aufruf: $0 run | test" >&2
        exit 2
        ;;
esac
