#!/usr/bin/env bash
# Start-up time and memory of Tintwright against a floor (a bare Qt window
# with the same widgets), on Xvfb without a window manager: 15 runs each,
# medians and ranges.
#   bench/startup.sh BUILD-DIRECTORY [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
probe=$build/bench/startup_probe

number=$((300 + RANDOM % 500))
Xvfb ":$number" -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

# "median (low-high)" of one column of the probe's output.
summary() {
    local column=$1 scale=$2
    cut -d' ' -f"$column" "$results" | sort -g | awk -v scale="$scale" '
        { value[NR] = $1 / scale }
        END {
            median = NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2
            printf "%.1f (%.1f-%.1f)", median, value[1], value[NR]
        }'
}

measure() {
    local label=$1
    shift
    "$probe" "$@" >/dev/null # a warm-up run, not counted
    results=$(mktemp)
    for _ in $(seq "$runs"); do "$probe" "$@" >>"$results"; done
    printf '| %-10s | %-18s | %-23s | %-31s |\n' "$label" "$(summary 1 1)" "$(summary 2 1)" "$(summary 3 1024)"
    rm -f "$results"
}

echo "| program    | mapped, ms (range) | first paint, ms (range) | resident after 1 s, MiB (range) |"
echo "|------------|--------------------|-------------------------|---------------------------------|"
measure tintwright "$build/src/app/tintwright"
measure floor "$build/bench/startup_floor"
