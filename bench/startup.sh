#!/usr/bin/env bash
# Start-up time and memory of Tintwright against a floor (a bare Qt window
# with the same widgets), on Xvfb without a window manager: 15 runs each,
# medians and ranges.
#   bench/startup.sh BUILD-DIRECTORY [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
probe=$build/bench/startup_probe

# Xvfb picks a free display itself and writes its number once it is ready.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; rm -f "$number_file"' EXIT
number=
for _ in $(seq 200); do
    number=$(sed -n '/^[0-9][0-9]*$/p' "$number_file")
    [ -n "$number" ] && break
    sleep 0.05
done
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

# "median (low-high)" of one column of a results file.
summary() {
    local file=$1 column=$2 scale=$3
    cut -d' ' -f"$column" "$file" | sort -g | awk -v scale="$scale" '
        { value[NR] = $1 / scale }
        END {
            median = NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2
            printf "%.1f (%.1f-%.1f)", median, value[1], value[NR]
        }'
}

row() {
    printf '| %-10s | %-18s | %-23s | %-31s |\n' "$1" "$(summary "$2" 1 1)" "$(summary "$2" 2 1)" \
        "$(summary "$2" 3 1024)"
}

program=$build/src/app/tintwright
floor=$build/bench/startup_floor
program_results=$(mktemp)
floor_results=$(mktemp)
# A warm-up run of each, not counted; then the two alternate, so that a
# change in the machine's load during the runs touches both alike.
"$probe" "$program" >/dev/null
"$probe" "$floor" >/dev/null
for _ in $(seq "$runs"); do
    "$probe" "$program" >>"$program_results"
    "$probe" "$floor" >>"$floor_results"
done

echo "| program    | mapped, ms (range) | first paint, ms (range) | resident after 1 s, MiB (range) |"
echo "|------------|--------------------|-------------------------|---------------------------------|"
row tintwright "$program_results"
row floor "$floor_results"
rm -f "$program_results" "$floor_results"
