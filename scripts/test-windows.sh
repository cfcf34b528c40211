#!/usr/bin/env bash
# `make test-windows`: the test suite cross-built for Windows and run by CTest under Wine (offscreen platform, a
# throw-away Wine prefix), then the release checked as a timekeeper meets it (check-windows-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-$(nproc)}

scripts/install-deps.sh $(scripts/windows-packages.sh)
qt=$(scripts/build-qt-windows.sh | tail -n 1)

out=$root/build/windows/test
wine_prefix=$out/wineprefix
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Debug -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64-x86_64.cmake" -DQT_WINDOWS_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh;--qt;$qt;--prefix;$wine_prefix" \
    -DDOVREL_APP_DIR="$out/app" -DDOVREL_WARNINGS_AS_ERRORS="$([ -n "${CI:-}" ] && echo ON || echo OFF)" \
    -DDOVREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j "$jobs"

rm -rf "$wine_prefix"
trap 'WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true' EXIT
# The prefix made before the first test starts.
scripts/wine-run.sh --qt "$qt" --prefix "$wine_prefix" cmd /c exit >/dev/null 2>&1
# Programs under Wine start slower than at home: one at a time keeps the suite steady on a busy machine.
(cd "$out" && ctest --output-on-failure --timeout 300)

scripts/check-windows-package.sh build/windows/dovrel-*-windows-x86_64.zip
