#!/usr/bin/env bash
# The two C++ files of Nayuki's QR code generator, qrcodegen.cpp and qrcodegen.hpp, which the Windows build compiles
# into the program: from Debian's source package qr-code-generator, of the version the Linux build links (that of
# libqrcodegencpp-dev, or apt's own). Fetched once into a cache outside the tree and reused; prints the folder
# holding them on its last line.
#   scripts/fetch-qrcodegen-windows.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

version=$(dpkg-query -W -f='${source:Version}' libqrcodegencpp-dev 2>/dev/null || true)
[ -n "$version" ] ||
    version=$(apt-cache showsrc qr-code-generator 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1)
[ -n "$version" ] || { echo "fetch-qrcodegen-windows: apt knows no qr-code-generator" >&2; exit 1; }
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dovrel
folder=$cache/qrcodegen-$version
if [ -f "$folder/.complete" ]; then
    echo "qrcodegen $version for Windows: reusing $folder ($(cat "$folder/.complete"))" >&2
    echo "$folder"
    exit 0
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/qrcodegen-work.XXXXXX")
trap 'rm -rf "$work"' EXIT
source "$here/scripts/deb-src.sh"
use_deb_src "qr-code-generator=$version"
if (cd "$work" && apt-get source -qq "qr-code-generator=$version") >"$work/apt.log" 2>&1; then
    cpp=$(find "$work" -mindepth 2 -maxdepth 2 -type d -path '*/qr-code-generator-*/cpp' | head -n 1)
    origin="Debian's source package qr-code-generator $version"
else
    # A mirror that lacks Debian's own part of the source package still gives the upstream tarball, which apt has
    # checked against the archive's signed index; its files are then taken without Debian's patches.
    tarball=$(find "$work" -maxdepth 1 -name 'qr-code-generator_*.orig.tar.*' | head -n 1)
    [ -n "$tarball" ] || { cat "$work/apt.log" >&2; echo "fetch-qrcodegen-windows: apt-get source failed" >&2; exit 1; }
    tar -xf "$tarball" -C "$work"
    cpp=$(find "$work" -mindepth 2 -maxdepth 2 -type d -ipath '*/qr-code-generator-*/cpp' | head -n 1)
    origin="the upstream tarball of qr-code-generator $version alone, without Debian's patches"
    echo "qrcodegen $version for Windows: $origin" >&2
fi
[ -f "$cpp/qrcodegen.cpp" ] && [ -f "$cpp/qrcodegen.hpp" ] ||
    { echo "fetch-qrcodegen-windows: no cpp/qrcodegen.cpp and qrcodegen.hpp in the source" >&2; exit 1; }
rm -rf "$folder"
mkdir -p "$folder"
cp "$cpp/qrcodegen.cpp" "$cpp/qrcodegen.hpp" "$folder/"
echo "$origin" >"$folder/.complete"
echo "qrcodegen $version for Windows: fetched into $folder" >&2
echo "$folder"
