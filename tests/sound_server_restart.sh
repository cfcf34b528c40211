#!/usr/bin/env bash
# The program's sound output against a real PulseAudio server that stops and comes back while the program runs: the
# output is heard on the server's sink, the check finds it cannot open while the server is down, and once the
# server is back the next alert is heard again.
#   tests/sound_server_restart.sh SOUND_CHILD WAVE_FILE
set -euo pipefail
child=$(realpath "${1:?usage: sound_server_restart.sh SOUND_CHILD WAVE_FILE}")
wave=$(realpath "${2:?usage: sound_server_restart.sh SOUND_CHILD WAVE_FILE}")
for tool in pulseaudio parec python3; do
    # 77: CTest's skip, where the tools are not installed (scripts/install-deps.sh installs them).
    command -v "$tool" >/dev/null || { echo "sound-server-restart: needs $tool"; exit 77; }
done
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/xdg HOME=$work QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER DBUS_SESSION_BUS_ADDRESS
cleanup() {
    kill "${server:-}" "${child_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "sound-server-restart: $*"; exit 1; }

start_server() {
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=hall" --load=module-always-sink >>"$work/server.log" 2>&1 &
    server=$!
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return; sleep 0.1; done
    fail "the sound server did not start"
}

# Asks the running program and reads its answer.
ask() {
    echo "$1" >&"${program[1]}"
    read -r -t 20 answer <&"${program[0]}" || fail "no answer to \"$1\""
    echo "$answer"
}

# Plays the wave file while the sink's monitor is recorded; passes when the recording holds sound.
heard() {
    timeout 3 parec -d hall.monitor --file-format=wav "$work/heard.wav" &
    local recorder=$!
    sleep 0.5
    [ "$(ask "play $wave")" = playing ] || fail "the sound did not start ($1)"
    wait "$recorder" || true
    python3 - "$work/heard.wav" <<'PY' || fail "nothing was heard on the sink ($1)"
import array, sys, wave
w = wave.open(sys.argv[1])
samples = array.array('h', w.readframes(w.getnframes())) if w.getsampwidth() == 2 else []
sys.exit(0 if any(abs(s) > 1000 for s in samples) else 1)
PY
    echo "sound-server-restart: heard $1"
}

start_server
coproc program { exec "$child"; }
child_pid=$program_PID
[ "$(ask devices)" -ge 1 ] || fail "no sound output device listed"
[ "$(ask opens)" = 1 ] || fail "the output does not open with the server running"
heard "with the server running"

kill "$server"
wait "$server" 2>/dev/null || true
sleep 1
[ "$(ask opens)" = 0 ] || fail "the output still opens with the server stopped"
echo "sound-server-restart: the stopped server is found"

start_server
# The program's sound system finds the server again by itself, idle, within a few seconds.
for _ in $(seq 20); do [ "$(ask opens)" = 1 ] && break; sleep 0.5; done
[ "$(ask opens)" = 1 ] || fail "the output does not open once the server is back"
heard "once the server is back"
echo quit >&"${program[1]}"
