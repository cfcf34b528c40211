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
source "$(dirname "$0")/wine-prefix.sh"
use_wine_prefix "$wine_prefix"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The offscreen platform reads one flat folder of faces.
fonts=$WINEPREFIX/dovrel-fonts
if [ ! -d "$fonts" ]; then
    mkdir -p "$fonts"
    for face in /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc /usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc \
        /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc /usr/share/fonts/truetype/lxgw/LXGWWenKai-Regular.ttf \
        /usr/share/fonts/truetype/arphic/ukai.ttc /usr/share/fonts/truetype/arphic/uming.ttc \
        /usr/share/fonts/truetype/babelstone/BabelStoneHan.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf; do
        [ -f "$face" ] && ln -sf "$face" "$fonts/"
    done
fi
# The server and Wine's own processes (services, devices) start here with nothing of the caller's open, and stay
# for the next program: CTest waits for every pipe a test leaves open, and they would hold its pipes until the server
# ends.
wineserver --persistent=300 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$qt_windows/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"

# Wine hands the program no QT_* variables of its own; WINEQT_* reach it as QT_*.
while IFS='=' read -r name value; do
    [[ $name == QT_* ]] && export "WINE$name=$value"
done < <(env)
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR="$(windows_path "$fonts")"
export WINEQT_PLUGIN_PATH="$(windows_path "$qt_windows/plugins")"

exec wine "$@"
