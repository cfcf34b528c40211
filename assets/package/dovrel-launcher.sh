#!/bin/sh
# /usr/bin/dovrel of the Debian package. The program keeps its settings, sounds and pictures in the folder it runs
# from and saves the settings there, which /opt/dovrel is not for a user: it runs from the user's own folder
# instead, with a copy of the program (it takes the folder of its own file, links resolved).
set -eu
stock=/opt/dovrel
home=${XDG_DATA_HOME:-$HOME/.local/share}/dovrel
mkdir -p "$home"

# The stock settings, sounds and pictures the user has not got yet; those they have stay theirs.
cd "$stock"
find config sound background -type d | while IFS= read -r dir; do mkdir -p "$home/$dir"; done
find config sound background -type f | while IFS= read -r file; do
    [ -e "$home/$file" ] || cp "$stock/$file" "$home/$file"
done
# The help and the program follow the package's updates.
ln -sfn "$stock/help" "$home/help"
ln -sf "$stock/help.chm" "$home/help.chm"
if ! cmp -s "$stock/dovrel" "$home/dovrel"; then
    cp "$stock/dovrel" "$home/.dovrel.new"
    mv -f "$home/.dovrel.new" "$home/dovrel"
fi

cd "$home"
exec ./dovrel "$@"
