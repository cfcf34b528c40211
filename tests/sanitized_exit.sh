#!/usr/bin/env bash
# The whole program, built with the sanitizers, in a fresh application folder on a virtual display where no session
# bus runs: the start-up picture is clicked, the program is ended through the main menu's pop-up entry "退出系统" and
# its confirmation, and the test passes when it exits with 0, leak detection on.
#   tests/sanitized_exit.sh PROGRAM ASSETS_DIR
set -euo pipefail
program=$(realpath "${1:?usage: sanitized_exit.sh PROGRAM ASSETS_DIR}")
assets=$(realpath "${2:?usage: sanitized_exit.sh PROGRAM ASSETS_DIR}")
for tool in Xvfb xdotool xwininfo xdpyinfo; do
    # 77: CTest's skip, where the tools are not installed (scripts/install-deps.sh installs them).
    command -v "$tool" >/dev/null || { echo "sanitized-exit: needs $tool"; exit 77; }
done
work=$(mktemp -d)
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "sanitized-exit: $*"; cat "$work/program.log" 2>/dev/null; exit 1; }

mkdir "$work/app"
cp "$program" "$work/app/dovrel"
cp -r "$assets/config" "$assets/sound" "$assets/background" "$work/app/"

# A display nobody else holds, whatever other tests run beside this one.
for n in $(seq 100 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
xdpyinfo >/dev/null 2>&1 || fail "the virtual display did not start"

unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM LSAN_OPTIONS
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$work/app" && exec ./dovrel) >"$work/program.log" 2>&1 & app=$!

# The program's visible windows, one "id width height x y" a line.
windows() {
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        xwininfo -id "$id" | awk -v id="$id" '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                               /Width:/ {w=$2} /Height:/ {h=$2} END {print id, w, h, x, y}'
    done
}
# Waits up to 30 s for a window at least `$1` pixels wide and prints it.
await_window() {
    for _ in $(seq 150); do
        kill -0 "$app" 2>/dev/null || fail "the program ended early"
        found=$(windows | awk -v min="$1" '$2 >= min' | sort -k2 -n | tail -n 1)
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.2
    done
    fail "no window $1 pixels wide appeared"
}

# Waits up to 30 s for a window other than those listed in `$1`.
await_new_window() {
    for _ in $(seq 150); do
        kill -0 "$app" 2>/dev/null || fail "the program ended early"
        for id in $(windows | awk '{print $1}'); do
            case " $1 " in *" $id "*) ;; *) return ;; esac
        done
        sleep 0.2
    done
    fail "no new window appeared"
}
shown() { windows | awk '{print $1}' | tr '\n' ' '; }

read -r _ width height x y <<<"$(await_window 100)"
xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
# The main menu is 792 pixels wide; the start-up picture 539.
read -r _ width height x y <<<"$(await_window 700)"
# A spot of the menu's picture beside the buttons, where the right button opens the pop-up menu.
before=$(shown)
xdotool mousemove $((x + width * 95 / 100)) $((y + height * 45 / 100)) click 3
await_new_window "$before"
# "退出系统" is the pop-up menu's last entry; Up from no entry reaches it.
before=$(shown)
xdotool key Up Return
await_new_window "$before"
sleep 0.5
# The confirmation "是否退出本系统？": OK is its default button.
xdotool key Return

for _ in $(seq 300); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$app" 2>/dev/null && fail "the program did not end"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "sanitized-exit: the program ended through its menu with 0, no leak reported"
