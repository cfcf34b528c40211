#!/usr/bin/env bash
# Runs every fuzz target for SECONDS under AddressSanitizer and UndefinedBehaviorSanitizer, seeded from the default
# settings files, and prints executions and crashes per target. Exits non-zero when any target crashed.
# usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -uo pipefail

build=$(cd "$1" && pwd)
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
config=$root/assets/config
work=$build/work
targets=(read_limit read_score text_settings style_settings rules_text http_request)

# One seed file per line of the given settings files.
seed_lines() {
    local dir=$1
    shift
    local n=0
    for file in "$@"; do
        while IFS= read -r line || [ -n "$line" ]; do
            printf '%s' "${line%$'\r'}" >"$dir/line$n"
            n=$((n + 1))
        done <"$config/$file"
    done
}

seed() {
    local target=$1 dir=$2
    case $target in
    read_limit)
        seed_lines "$dir" TimeSet.ini
        printf '1:30' >"$dir/colon"
        printf ' 1 20' >"$dir/blanks"
        printf -- '-2.5' >"$dir/half"
        ;;
    read_score)
        seed_lines "$dir" Score.ini
        printf '87.5' >"$dir/fraction"
        printf ' -1e2 ' >"$dir/exponent"
        ;;
    text_settings) cp "$config/NumSet.ini" "$config/TimeSet.ini" "$config/SoundSet.ini" "$config/Score.ini" "$dir/" ;;
    style_settings) cp "$config/NameSet.ini" "$config/ViwerSet.ini" "$dir/" ;;
    rules_text)
        cp "$config"/*.ini "$dir/"
        printf '\xef\xbb\xbf\xe6\xaf\x94\xe8\xb5\x9b\xe8\xa7\x84\xe5\x88\x99\r\n' >"$dir/utf8.txt"
        printf '\xff\xfe\xd4\x6b\x5b\x8d\r\x00\n\x00' >"$dir/utf16.txt"
        ;;
    http_request)
        printf 'GET / HTTP/1.1\r\nHost: 192.168.1.20:8787\r\nUser-Agent: Mozilla/5.0\r\n\r\n' >"$dir/page"
        printf 'GET /events HTTP/1.1\r\nAccept: text/event-stream\r\nCache-Control: no-cache\r\n\r\n' >"$dir/events"
        printf 'GET /time?n=3 HTTP/1.0\n\n' >"$dir/time"
        printf 'POST / HTTP/1.1\r\nContent-Length: 4\r\n\r\nbody' >"$dir/body"
        ;;
    esac
}

# Saves go to memory where the system has it, so the settings targets do not wait for the disk.
tmp_base=/tmp
[ -w /dev/shm ] && tmp_base=/dev/shm

failed=0
printf 'Fuzzing %d targets for %s s each (%s)\n' "${#targets[@]}" "$seconds" "$(date -u '+%Y-%m-%d %H:%M UTC')"
for target in "${targets[@]}"; do
    dir=$work/$target
    rm -rf "$dir/seeds" "$dir/artifacts"
    mkdir -p "$dir/corpus" "$dir/seeds" "$dir/artifacts"
    seed "$target" "$dir/seeds"
    tmp=$(mktemp -d "$tmp_base/dovrel-fuzz-$target.XXXXXX")
    TMPDIR=$tmp \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$dir/artifacts/" "$dir/corpus" "$dir/seeds" >"$dir/log" 2>&1
    status=$?
    rm -rf "$tmp"
    executions=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$dir/log" | tail -1 | grep -o '[0-9]*$')
    [ -n "$executions" ] || executions=$(grep -o '^#[0-9]*' "$dir/log" | tail -1 | tr -d '#')
    crashes=$(find "$dir/artifacts" -type f | wc -l)
    if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then
        crashes=1 # stopped without leaving its input: the log says why
    fi
    printf '%-16s executions: %-10s crashes: %s\n' "$target" "${executions:-0}" "$crashes"
    if [ "$crashes" -ne 0 ]; then
        failed=1
        echo "  see $dir/log and $dir/artifacts/"
    fi
done
exit $failed
