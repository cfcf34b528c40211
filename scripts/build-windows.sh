#!/usr/bin/env bash
# `make windows`: Dovrel for 64-bit Windows, cross-built here with the same CMake project.
#   build/windows/Dovrel/                              the program folder: dovrel.exe, the DLLs it loads, its data
#   build/windows/dovrel-<version>-windows-x86_64.zip  that folder, portable
#   build/windows/dovrel-<version>-setup.exe           a per-user installer of it
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-$(nproc)}

out=$root/build/windows
folder=$out/Dovrel
qt=$(scripts/configure-windows.sh "$out/build" -DCMAKE_BUILD_TYPE=Release -DDOVREL_APP_DIR="$folder" \
    -DDOVREL_BUILD_TESTS=OFF | tail -n 1)
cmake --build "$out/build" -j "$jobs"
version=$(cat "$out/build/dovrel-version.txt")

# Only what dovrel.exe and its plugins load, found by following their imports.
scripts/deploy-windows.sh "$folder" "$qt"

rm -f "$out"/dovrel-*-windows-x86_64.zip "$out"/dovrel-*-setup.exe
zip_name=dovrel-$version-windows-x86_64.zip
# CMake's archiver writes the names in UTF-8 with the UTF-8 flag (bit 11) set, so that Explorer and 7-Zip on a
# Chinese Windows unpack the Chinese-named sounds under their names rather than the OEM code page's reading of the
# bytes.
(cd "$out" && cmake -E tar cf "$zip_name" --format=zip Dovrel)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE_DIR="$folder" \
    -DOUTPUT_FILE="$out/dovrel-$version-setup.exe" -DICON_FILE="$root/assets/package/dovrel.ico" \
    assets/package/windows/dovrel.nsi
echo "Windows release in $out:"
ls -l "$out/$zip_name" "$out/dovrel-$version-setup.exe" | awk '{printf "  %s  %d bytes\n", $NF, $5}'
