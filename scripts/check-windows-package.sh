#!/usr/bin/env bash
# Checks the Windows release as a timekeeper would meet it, under Wine on a virtual display:
#  - the zip, unpacked into a folder whose path holds Chinese characters and a blank, starts; the start-up picture
#    is clicked and the main menu shows; the settings wizard is walked to the stages page, whose save writes
#    config\TimeSet.ini in GBK with CR LF line ends into that folder;
#  - under an English locale, a stage's warning is heard from a sound server's sink 3 s after its start;
#  - the installer installs silently for the user alone, with its Start-menu and desktop shortcuts, and its
#    uninstaller removes the program but keeps the contest settings.
#   scripts/check-windows-package.sh build/windows/dovrel-<version>-windows-x86_64.zip [SCREENSHOT.png]
set -euo pipefail
archive=$(realpath "${1:?usage: check-windows-package.sh ZIP [SCREENSHOT.png]}")
screenshot=${2:-}
setup=${archive%-windows-x86_64.zip}-setup.exe
for tool in Xvfb xdotool xwininfo wine unzip iconv; do
    command -v "$tool" >/dev/null || { echo "check-windows-package: needs $tool"; exit 2; }
done

# Every name in the zip that is not plain ASCII is marked UTF-8 (general-purpose bit 11), as a reader that follows
# the zip format sees it.
python3 - "$archive" <<'PY' || exit 1
import sys, zipfile
names = [(i.filename, i.flag_bits) for i in zipfile.ZipFile(sys.argv[1]).infolist()]
unmarked = [n for n, flags in names if not n.isascii() and not flags & 0x800]
chinese = [n for n, _ in names if n.endswith(".wav") and not n.isascii()]
if unmarked or len(chinese) < 8:
    print("check-windows-package: names without the UTF-8 flag:", unmarked, "; Chinese sound names:", chinese)
    sys.exit(1)
print("check-windows-package: the zip's %d Chinese sound names carry the UTF-8 flag" % len(chinese))
PY

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
export DISPLAY=$display
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-windows-package: $*"; [ -f "$work/program.log" ] && cat "$work/program.log"; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
source "$(dirname "$0")/wine-prefix.sh"
use_wine_prefix "$work/wineprefix"

# The portable folder, in a path like D:\比赛 计时\Dovrel.
hall="$work/比赛 计时"
mkdir -p "$hall"
unzip -q "$archive" -d "$hall"
folder="$hall/Dovrel"
for entry in dovrel.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll imageformats/qjpeg.dll \
    translations/qtbase_zh_CN.qm config/NumSet.ini sound/30Warn sound/TimeOut background/p1.jpg help.chm \
    licenses/qrcodegen.txt licenses/Qt.txt licenses/LGPL-3.txt licenses/gcc-runtime.txt; do
    [ -e "$folder/$entry" ] || fail "$entry missing from the zip"
done
# Without the stages file, the page starts from its design values; its save must write them.
rm "$folder/config/TimeSet.ini"

(cd "$folder" && exec wine dovrel.exe) >"$work/program.log" 2>&1 &
disown

# The program's visible windows, widest first, as "id width x y".
windows() {
    for id in $(xdotool search --onlyvisible --class 'dovrel.exe' 2>/dev/null); do
        xwininfo -id "$id" | awk -v id="$id" '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                              /Width:/ {w=$2} END {print id, w, x, y}'
    done | sort -k2 -n -r
}
wait_for_width() { # the widest window at least this wide
    for _ in $(seq 150); do
        local widest
        widest=$(windows | head -n 1)
        if [ -n "$widest" ] && [ "$(echo "$widest" | cut -d' ' -f2)" -ge "$1" ]; then
            echo "$widest"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
# Clicks at a point of a window's client area given in twips, as the designs give it.
click_twips() {
    local x y
    x=$(echo "$1" | cut -d' ' -f3)
    y=$(echo "$1" | cut -d' ' -f4)
    xdotool mousemove $((x + $2 / 15)) $((y + $3 / 15)) click 1
    sleep 1
}

splash=$(wait_for_width 400) || fail "dovrel.exe showed no window"
click_twips "$splash" 4000 3000
menu=$(wait_for_width 700) || fail "the main menu did not appear"
echo "check-windows-package: dovrel.exe starts from \"$(basename "$hall")\" and shows the main menu"
sleep 2
[ -n "$screenshot" ] && import -window root "$screenshot"

click_twips "$menu" 2767 8227      # 进入设置界面
details=$(wait_for_width 700) || fail "the contest details page did not appear"
click_twips "$details" 10447 7987  # 下一步>>
stages=$(wait_for_width 700) || fail "the stages page did not appear"
click_twips "$stages" 8767 7987    # 保存设置
xdotool key Return                 # 数据保存成功！
sleep 1

# Lines 3 and 5 hold the names of the two stages the page cannot enter; every line ends in CR LF.
{ printf '\r\n\r\n攻辩 \r\n\r\n自由辩论\r\n'; for _ in $(seq 16); do printf '\r\n'; done; } |
    iconv -f UTF-8 -t GBK >"$work/expected.ini"
[ -f "$folder/config/TimeSet.ini" ] || fail "the stages page wrote no config\\TimeSet.ini"
if ! cmp -s "$work/expected.ini" "$folder/config/TimeSet.ini"; then
    od -c "$folder/config/TimeSet.ini" | head -n 5
    fail "config\\TimeSet.ini is not the page's values in GBK with CR LF"
fi
echo "check-windows-package: the stages page saves config\\TimeSet.ini in GBK with CR LF"
wineserver -k 2>/dev/null || true
sleep 1

# The bells under an English locale, whose ANSI code page can spell neither "比赛 计时" nor "默认声音.wav": a stage of
# 33 s is started and its warning, recorded from a sound server's sink, must be heard 3 s after the start.
if command -v pulseaudio >/dev/null && command -v parec >/dev/null; then
    export XDG_RUNTIME_DIR=$work/xdg
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=hall" --load=module-always-sink >/dev/null 2>&1 &
    pulse=$!
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    { for line in $(seq 16); do printf '\r\n'; done; printf '33\r\n\r\n\r\n\r\n\r\n'; } >"$folder/config/TimeSet.ini"
    printf '%s\r\n' 默认声音 默认声音 显示 '秒' | iconv -f UTF-8 -t GBK >"$folder/config/SoundSet.ini"
    (cd "$folder" && LANG=C.UTF-8 LC_ALL=C.UTF-8 exec wine dovrel.exe) >"$work/program.log" 2>&1 &
    disown
    splash=$(wait_for_width 400) || fail "dovrel.exe showed no window under an English locale"
    click_twips "$splash" 4000 3000
    menu=$(wait_for_width 700) || fail "the main menu did not appear under an English locale"
    sleep 1
    click_twips "$menu" 2910 3180     # 开篇陈词
    sleep 2
    clock=$(wait_for_width 700) || fail "the clock did not appear"
    read -r _ width x y <<<"$clock"
    height=$(xwininfo -id "${clock%% *}" | awk '/Height:/ {print $2}')
    ( timeout 9 parec -d hall.monitor --latency-msec=20 --file-format=wav "$work/hall.wav" || true
      date +%s.%N >"$work/rec-end" ) &
    recorder=$!
    sleep 1
    # 开始计时, at 8160, 7920 (1455 x 375 twips) on the design, scaled to the clock's window.
    xdotool mousemove $((x + (8160 + 727) * width / 11880)) $((y + (7920 + 187) * height / 8490)) click 1
    date +%s.%N >"$work/click"
    wait "$recorder" || true
    onset=$(python3 - "$work/hall.wav" "$(cat "$work/rec-end")" "$(cat "$work/click")" <<'PY'
import array, sys, wave
w = wave.open(sys.argv[1])
samples = array.array('h', w.readframes(w.getnframes()))
frames = len(samples) // w.getnchannels()
first = next((i // w.getnchannels() for i, v in enumerate(samples) if abs(v) > 0.05 * 32768), None)
start = float(sys.argv[2]) - frames / w.getframerate()
print("none" if first is None else "%.2f" % (start + first / w.getframerate() - float(sys.argv[3])))
PY
)
    kill "$pulse" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    case $onset in
    none) fail "no warning was heard under an English locale" ;;
    2.[5-9]* | 3.*) echo "check-windows-package: under an English locale the warning is heard ${onset} s after the start" ;;
    *) fail "the warning was heard ${onset} s after the start under an English locale, not 3 s" ;;
    esac
    sleep 1
else
    echo "check-windows-package: no sound server here (pulseaudio, parec); the bells are not listened to"
fi

# The installer: silent, per user, then the uninstaller, which keeps the settings.
[ -f "$setup" ] || fail "no installer beside the zip"
# Into the default folder, the user's own programs folder.
wine "$setup" /S >/dev/null 2>&1
target='C:\users\'"$(id -un)"'\AppData\Local\Programs\Dovrel'
installed=$(winepath -u "$target")
user=$(id -un)
start_menu=$(winepath -u 'C:\users\'"$user"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs' 2>/dev/null || true)
desktop=$(winepath -u 'C:\users\'"$user"'\Desktop' 2>/dev/null || true)
[ -f "$installed/dovrel.exe" ] && [ -f "$installed/config/NumSet.ini" ] || fail "the installer did not install"
[ -f "$start_menu/Dovrel.lnk" ] || fail "no Start-menu shortcut named Dovrel"
[ -f "$desktop/Dovrel.lnk" ] || fail "no desktop shortcut named Dovrel"
wine "$installed/uninstall.exe" /S "_?=$target" >/dev/null 2>&1
[ ! -e "$installed/dovrel.exe" ] || fail "the uninstaller left the program"
[ -f "$installed/config/NumSet.ini" ] || fail "the uninstaller removed the contest settings"
[ ! -e "$start_menu/Dovrel.lnk" ] && [ ! -e "$desktop/Dovrel.lnk" ] || fail "the uninstaller left a shortcut"
echo "check-windows-package: the installer installs for the user with its shortcuts; uninstalling keeps config\\"
