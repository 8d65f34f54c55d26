# Shared steps of the end-to-end tests: a private X server, the real program,
# input as a person gives it (xdotool) and results read from outside (xclip,
# screenshots, the exit code).
#   source lib.sh BINARY XCLOSE
set -euo pipefail

BINARY=$1
XCLOSE=$2
WORK=$(mktemp -d)
APP_PID=
SERVER_PID=
WM_PID=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# A virtual screen of 1280 x 1024 at 96 dpi, without a window manager.
# Xvfb picks a free display number itself (-displayfd) and writes it once it
# accepts connections, so runs sharing a machine, even from other containers
# whose sockets this one cannot see in /tmp/.X11-unix, never collide.
start_server() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp "$@" \
        3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    SERVER_PID=$!
    local number=
    for _ in $(seq 400); do
        number=$(sed -n '/^[0-9][0-9]*$/p' "$WORK/display")
        [ -n "$number" ] && break
        kill -0 "$SERVER_PID" 2>/dev/null || break
        sleep 0.025
    done
    [ -n "$number" ] || fail "no X server could be started: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$number"
}

# A window manager on that screen (openbox, xfwm4 ...), ready once it has
# announced itself on the root window.
start_window_manager() {
    "$@" >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$WM_PID" 2>/dev/null || break
        sleep 0.025
    done
    fail "the window manager $1 did not start"
}

# The margins a window manager's frame adds to a window: LEFT RIGHT TOP BOTTOM.
frame_extents() {
    local extents=
    for _ in $(seq 200); do
        extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p')
        [ -n "$extents" ] && break
        sleep 0.025
    done
    [ -n "$extents" ] || fail "window $1 has no frame"
    echo "${extents//,/}"
}

# The top-left corner of a window's outer frame as X,Y: its client area's
# place less the frame's left and top margins.
frame_origin() {
    local left right top bottom x y
    read -r left right top bottom <<<"$(frame_extents "$1")"
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    echo "$((x - left)),$((y - top))"
}

# Polls until a command succeeds; false after about five seconds.
wait_until() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.025
    done
    return 1
}

# Polls for a visible window whose name matches a regular expression.
wait_window() {
    local pattern=$1 window=
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.025
    done
    fail "no window named $pattern appeared"
}

wait_window_gone() {
    local window=$1
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$window" || return 0
        sleep 0.025
    done
    fail "window $window did not close"
}

MAIN_WINDOW=
MENU_HEIGHT=
start_program() { # arguments are handed to the program
    QT_QPA_PLATFORM=xcb "$BINARY" "$@" >"$WORK/program.log" 2>&1 &
    APP_PID=$!
    MAIN_WINDOW=$(wait_window '^Tintwright \(Chromaweave\)$')
    xdotool windowfocus --sync "$MAIN_WINDOW"
    local height
    height=$(xdotool getwindowgeometry --shell "$MAIN_WINDOW" | sed -n 's/^HEIGHT=//p')
    MENU_HEIGHT=$((height - 334))
    sleep 0.2 # the first paint
}

# Clicks at a point of the client area below the menu bar.
click_at() {
    xdotool mousemove --window "$MAIN_WINDOW" "$1" $(($2 + MENU_HEIGHT)) click 1
    sleep 0.05
}

keys() {
    xdotool key --delay 30 "$@" # to the window with the keyboard focus
    sleep 0.1
}

clipboard() {
    xclip -o -selection clipboard
}

# The colour of a pixel of the client area as RRGGBB.
pixel_at() {
    import -window "$MAIN_WINDOW" "$WORK/shot.png"
    convert "$WORK/shot.png" -format '%[hex:p{'"$1"','"$(($2 + MENU_HEIGHT))"'}]' info: | cut -c1-6
}

# Waits for the program to end and checks its exit code.
expect_exit() {
    local expected=$1 code=0
    for _ in $(seq 200); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.025
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
    wait "$APP_PID" || code=$?
    APP_PID=
    [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
}

expect_equal() {
    [ "$1" == "$2" ] || fail "$3: got '$1', expected '$2'"
}
