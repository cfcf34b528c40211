#!/usr/bin/env bash
# Starts a Linux release of Dovrel on a virtual display as a user would: the start-up picture is clicked, and the
# check passes once the main menu window is shown.
#   scripts/check-package.sh build/package/dovrel-<version>-linux-x86_64.tar.gz
#     unpacked into a fresh temporary folder and started there;
#   scripts/check-package.sh build/package/dovrel_<version>_amd64.deb
#     installed with apt (as root or through sudo, pulling in what it depends on), started by its desktop entry for
#     a user with a fresh home, then removed again.
set -euo pipefail
archive=$(realpath "${1:?usage: check-package.sh ARCHIVE|DEB}")
for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "check-package: needs $tool (apt-get install xvfb xdotool x11-utils)"; exit 2; }
done
work=$(mktemp -d)
display=:$((70 + RANDOM % 20))
installed=
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
cleanup() {
    kill "${app:-}" "${xvfb:-}" 2>/dev/null || true
    if [ -n "$installed" ]; then
        DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq dovrel >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-package: $*"; [ -f "$work/program.log" ] && cat "$work/program.log"; exit 1; }

case $archive in
*.deb)
    if dpkg-query -W -f='${Status}' dovrel 2>/dev/null | grep -q 'install ok installed'; then
        echo "check-package: a dovrel package is installed here already, and the check would remove it"; exit 2
    fi
    installed=yes
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$archive" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; fail "apt could not install $(basename "$archive")"; }
    entry=/usr/share/applications/dovrel.desktop
    for path in /usr/bin/dovrel /opt/dovrel/dovrel /opt/dovrel/config/NumSet.ini /opt/dovrel/help.chm "$entry" \
        /usr/share/icons/hicolor/128x128/apps/dovrel.png; do
        [ -e "$path" ] || fail "$path missing from the package"
    done
    # A user of their own, whose copy of the program's folder the launcher makes.
    export HOME=$work/home
    unset XDG_DATA_HOME
    mkdir -p "$HOME"
    folder=$HOME/.local/share/dovrel
    command=$(sed -n 's/^Exec=//p' "$entry")
    start_in=$HOME
    ;;
*)
    tar -xzf "$archive" -C "$work"
    folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    [ -x "$folder/dovrel" ] || fail "no program in the archive"
    for entry in config sound background help.chm dovrel.desktop dovrel.png RUNTIME-PACKAGES.txt; do
        [ -e "$folder/$entry" ] || fail "$entry missing from the archive"
    done
    command=./dovrel
    start_in=$folder
    ;;
esac

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sleep 1
# shellcheck disable=SC2086 # the desktop entry's command line, as the menu splits it
(cd "$start_in" && exec $command) >"$work/program.log" 2>&1 & app=$!

# The program's windows, widest first: the start-up picture is 539 pixels wide, the main menu 792.
widest() {
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        xwininfo -id "$id" | awk '/Width:/ {print $2}'
    done | sort -n | tail -n 1
}
for _ in $(seq 50); do [ -n "$(widest)" ] && break; sleep 0.2; done
[ -n "$(widest)" ] || fail "the program showed no window"
xdotool mousemove 640 512 click 1
for _ in $(seq 50); do
    [ "$(widest)" -ge 700 ] 2>/dev/null && break
    sleep 0.2
done
[ "$(widest)" -ge 700 ] 2>/dev/null || fail "the main menu did not appear"
# The program runs from the folder that holds its settings: for the package, the user's copy.
[ "$(dirname "$(readlink "/proc/$app/exe")")" = "$folder" ] || fail "the program runs from $(readlink "/proc/$app/exe")"
[ -f "$folder/config/NumSet.ini" ] || fail "no settings beside the program"
echo "check-package: $(basename "$archive") starts from ${folder#"$work"/} and shows the main menu"
