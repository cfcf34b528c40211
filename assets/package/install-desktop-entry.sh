#!/bin/sh
# Adds Dovrel, from the folder this script lies in, to the desktop's application menu of the current user.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
icons=${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/128x128/apps
mkdir -p "$apps" "$icons"
cp "$here/dovrel.png" "$icons/dovrel.png"
sed -e "s|^Exec=.*|Exec=sh -c 'cd \"$here\" \&\& exec ./dovrel'|" "$here/dovrel.desktop" > "$apps/dovrel.desktop"
echo "Dovrel is in the application menu ($apps/dovrel.desktop)."
