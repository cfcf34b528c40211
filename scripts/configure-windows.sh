#!/usr/bin/env bash
# Configures a build folder of the Windows cross build: the Debian packages it needs, Qt for Windows (built once,
# then reused), the QR code generator's two files (fetched once), the mingw-w64 toolchain file. Prints the prefix of
# Qt for Windows on its last line.
#   scripts/configure-windows.sh BUILD_DIR [CMAKE_ARGUMENT ...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:?usage: configure-windows.sh BUILD_DIR [CMAKE_ARGUMENT ...]}
shift

scripts/install-deps.sh $(scripts/windows-packages.sh) >&2
qt=$(scripts/build-qt-windows.sh | tail -n 1)
qrcodegen=$(scripts/fetch-qrcodegen-windows.sh | tail -n 1)
cmake -S . -B "$out" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64-x86_64.cmake" -DQT_WINDOWS_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
    -DQRCODEGEN_SOURCE_DIR="$qrcodegen" -DDOVREL_BUILD_BENCH=OFF "$@" >/dev/null
echo "$qt"
