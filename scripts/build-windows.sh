#!/usr/bin/env bash
# `make windows`: Dovrel for 64-bit Windows, cross-built here with the same CMake project and packed by CPack's ZIP
# and NSIS generators (cmake/Package.cmake):
#   build/windows/dovrel-<version>-windows-x86_64.zip  the program's folder Dovrel\, portable
#   build/windows/dovrel-<version>-setup.exe           a per-user installer of it
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-$(nproc)}

out=$root/build/windows
scripts/configure-windows.sh "$out/build" -DCMAKE_BUILD_TYPE=Release -DDOVREL_APP_DIR="$out/build/app" \
    -DDOVREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$out/build" -j "$jobs"

rm -f "$out"/dovrel-*-windows-x86_64.zip "$out"/dovrel-*-setup.exe
(cd "$out/build" && cpack -B "$out")
rm -rf "$out/_CPack_Packages"
echo "Windows release in $out:"
ls -l "$out"/dovrel-*-windows-x86_64.zip "$out"/dovrel-*-setup.exe | awk '{printf "  %s  %d bytes\n", $NF, $5}'
