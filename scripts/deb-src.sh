# Sourced by the scripts that fetch Debian source packages: `use_deb_src PACKAGE[=VERSION]` makes sure apt-get source
# finds the package, adding deb-src entries beside the deb ones when apt knows none.
use_deb_src() {
    apt-get source --print-uris "$1" >/dev/null 2>&1 && return 0
    local sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    echo "Adding deb-src entries beside the deb ones" >&2
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] && "${sudo_cmd[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list \
        && ! grep -q '^deb-src ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | "${sudo_cmd[@]}" tee -a /etc/apt/sources.list >/dev/null
    fi
    "${sudo_cmd[@]}" apt-get update -qq
}
