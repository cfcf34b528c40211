#!/usr/bin/env bash
# Runs a Windows program of the Dovrel build under Wine, the way CTest runs every test of the Windows build:
#   scripts/wine-run.sh --qt QT_WINDOWS_PREFIX --prefix WINEPREFIX PROGRAM.exe [ARGUMENT ...]
# The Wine prefix is a throw-away one, made on first use; Qt and the mingw runtime are found through WINEPATH;
# Chinese file names work under a zh_CN UTF-8 locale; Qt's offscreen platform finds the host's CJK faces in a
# folder of its own.
set -euo pipefail
qt_windows=
wine_prefix=${XDG_CACHE_HOME:-$HOME/.cache}/dovrel/wineprefix
while [ $# -gt 0 ]; do
    case $1 in
    --qt) qt_windows=$2; shift 2 ;;
    --prefix) wine_prefix=$2; shift 2 ;;
    *) break ;;
    esac
done
[ -n "$qt_windows" ] || { echo "wine-run: --qt QT_WINDOWS_PREFIX is missing" >&2; exit 2; }
DOVREL_QT_WINDOWS=$qt_windows DOVREL_WINEPREFIX=$wine_prefix
export WINEPREFIX=$DOVREL_WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The locale Wine maps code page 936 and Chinese file names through.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 2>/dev/null || sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

if [ ! -f "$WINEPREFIX/.dovrel-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    # The offscreen platform reads one flat folder of faces.
    mkdir -p "$WINEPREFIX/dovrel-fonts"
    for face in /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc /usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc \
        /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc /usr/share/fonts/truetype/lxgw/LXGWWenKai-Regular.ttf \
        /usr/share/fonts/truetype/arphic/ukai.ttc /usr/share/fonts/truetype/arphic/uming.ttc \
        /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf; do
        [ -f "$face" ] && ln -sf "$face" "$WINEPREFIX/dovrel-fonts/"
    done
    touch "$WINEPREFIX/.dovrel-ready"
fi
# The server and Wine's own processes (services, devices) start here with nothing of the caller's open, and stay
# for the next program: CTest waits for every pipe a test leaves open, and they would hold its pipes until the server
# ends.
wineserver --persistent=300 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$DOVREL_QT_WINDOWS/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"

# Wine hands the program no QT_* variables of its own; WINEQT_* reach it as QT_*.
while IFS='=' read -r name value; do
    [[ $name == QT_* ]] && export "WINE$name=$value"
done < <(env)
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR="$(windows_path "$WINEPREFIX/dovrel-fonts")"
export WINEQT_PLUGIN_PATH="$(windows_path "$DOVREL_QT_WINDOWS/plugins")"

exec wine "$@"
