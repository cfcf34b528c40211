#!/usr/bin/env bash
# Unpacks a Dovrel archive into a fresh temporary folder and starts the program there on a virtual display: the
# start-up picture is clicked, and the check passes once the main menu window is shown.
#   scripts/check-package.sh build/package/dovrel-<version>-linux-x86_64.tar.gz
set -euo pipefail
archive=$(realpath "${1:?usage: check-package.sh ARCHIVE}")
for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "check-package: needs $tool (apt-get install xvfb xdotool x11-utils)"; exit 2; }
done
work=$(mktemp -d)
display=:$((70 + RANDOM % 20))
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

tar -xzf "$archive" -C "$work"
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
[ -x "$folder/dovrel" ] || { echo "check-package: no program in the archive"; exit 1; }
for entry in config sound background help.chm dovrel.desktop dovrel.png RUNTIME-PACKAGES.txt; do
    [ -e "$folder/$entry" ] || { echo "check-package: $entry missing from the archive"; exit 1; }
done

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sleep 1
(cd "$folder" && exec ./dovrel) >"$work/program.log" 2>&1 & app=$!

# The program's windows, widest first: the start-up picture is 539 pixels wide, the main menu 792.
widest() {
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        xwininfo -id "$id" | awk '/Width:/ {print $2}'
    done | sort -n | tail -n 1
}
for _ in $(seq 50); do [ -n "$(widest)" ] && break; sleep 0.2; done
[ -n "$(widest)" ] || { echo "check-package: the program showed no window"; cat "$work/program.log"; exit 1; }
xdotool mousemove 640 512 click 1
for _ in $(seq 50); do
    if [ "$(widest)" -ge 700 ] 2>/dev/null; then
        echo "check-package: $(basename "$archive") starts and shows the main menu"
        exit 0
    fi
    sleep 0.2
done
echo "check-package: the main menu did not appear"; cat "$work/program.log"; exit 1
