# Sourced by the scripts that run Dovrel under Wine: `use_wine_prefix PREFIX` sets Wine up the way both use it — a
# 64-bit prefix of their own, made on first use, without Wine's Mono, Gecko or desktop integration, and a zh_CN UTF-8
# locale, through which Wine maps code page 936 and Chinese file names.
use_wine_prefix() {
    export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
        localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 2>/dev/null || sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    fi
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        wineserver --wait
    fi
}
