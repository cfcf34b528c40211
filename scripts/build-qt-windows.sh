#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, of the host Qt's version, with only what Dovrel and
# its tests use (Core, Gui, Widgets, Network without TLS, Test; the windows, offscreen and minimal platform plugins; the JPEG image
# plugin). The result is kept in a cache outside the tree, keyed by the Qt version and this configuration, and reused
# by later runs. Prints the installed prefix on its last line.
#   scripts/build-qt-windows.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$here/cmake/MinGW-w64-x86_64.cmake
jobs=${JOBS:-$(nproc)}

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qt_version=${host_version%%+*}

configure_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_GENERATE_SBOM=OFF
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    # The phones' viewer server speaks plain HTTP on the hall's network.
    -DFEATURE_network=ON -DFEATURE_ssl=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF -DFEATURE_gssapi=OFF
    -DFEATURE_libproxy=OFF -DFEATURE_brotli=OFF
    # Without the first, OpenGL stays on as "dynamic"; with Direct2D off, DirectWrite 3 does not link; Debian's
    # source has no wintab, which tablet events need.
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_jpeg=ON -DFEATURE_gif=OFF
)
key=$(printf '%s\n' "$host_version" "${configure_options[@]}" "$(cat "$toolchain")" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dovrel
prefix=$cache/qt-$qt_version-mingw-w64-x86_64-$key

if [ -f "$prefix/.complete" ]; then
    echo "Qt $qt_version for Windows: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

started=$(date +%s)
echo "Qt $qt_version for Windows: building into $prefix (about a quarter of an hour on two cores)" >&2
work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"

# Debian's source package of the host Qt.
source "$here/scripts/deb-src.sh"
use_deb_src "qt6-base=$host_version"
(cd "$work" && apt-get source -qq "qt6-base=$host_version" >/dev/null 2>&1)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$source_dir" ] || { echo "build-qt-windows: apt-get source qt6-base failed" >&2; exit 1; }

cmake -S "$source_dir" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
    "${configure_options[@]}" >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$jobs" >"$work/build.log" 2>&1 \
    || { grep -m 20 -B 2 -A 10 'error' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 20 "$work/install.log" >&2; exit 1; }

rm -rf "$work"
touch "$prefix/.complete"
echo "Qt $qt_version for Windows: built in $(( $(date +%s) - started )) s" >&2
echo "$prefix"
