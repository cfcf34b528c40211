#!/usr/bin/env bash
# `make test-windows`: the test suite cross-built for Windows and run by CTest under Wine (offscreen platform, a
# throw-away Wine prefix), then the release checked as a timekeeper meets it (check-windows-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-$(nproc)}

out=$root/build/windows/test
wine_prefix=$out/wineprefix
qt=$(scripts/configure-windows.sh "$out" -DCMAKE_BUILD_TYPE=Debug -DDOVREL_APP_DIR="$out/app" \
    -DDOVREL_WARNINGS_AS_ERRORS="$([ -n "${CI:-}" ] && echo ON || echo OFF)" | tail -n 1)
# Every test runs under Wine, in the prefix made below.
cmake "$out" -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh;--qt;$qt;--prefix;$wine_prefix" >/dev/null
cmake --build "$out" -j "$jobs"

rm -rf "$wine_prefix"
trap 'WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true' EXIT
# The prefix made before the first test starts.
scripts/wine-run.sh --qt "$qt" --prefix "$wine_prefix" cmd /c exit >/dev/null 2>&1
# Programs under Wine start slower than at home: one at a time keeps the suite steady on a busy machine.
(cd "$out" && ctest --output-on-failure --timeout 300)

scripts/check-windows-package.sh build/windows/dovrel-*-windows-x86_64.zip
