#!/usr/bin/env bash
# The Debian packages the Windows build and its tests need, one a line (for install-deps.sh).
cat <<'LIST'
g++-mingw-w64-x86-64-posix
mingw-w64-tools
binutils-mingw-w64-x86-64
ninja-build
dpkg-dev
nsis
qt6-translations-l10n
unzip
wine
wine64
locales
xvfb
xauth
xdotool
x11-utils
imagemagick
LIST
