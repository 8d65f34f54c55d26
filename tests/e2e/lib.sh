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
    report_state >&2 || true
    exit 1
}

# What a failing test saw, for its log: whether the program still runs, the
# last lines it and the window manager printed, and the named windows.
report_state() {
    if [ -n "$APP_PID" ]; then
        if program_ended; then
            echo "the program (PID $APP_PID) has ended"
        else
            echo "the program (PID $APP_PID) is running"
        fi
    fi
    local log
    for log in program wm; do
        [ -s "$WORK/$log.log" ] || continue
        echo "--- $log.log ends:"
        tail -n 15 "$WORK/$log.log"
    done
    if [ -n "${DISPLAY:-}" ]; then
        echo "--- named windows on $DISPLAY:"
        xwininfo -root -tree 2>/dev/null | grep '^ *0x[0-9a-f]* "' | head -n 20
    fi
}

# How long a wait for the program or a server may last before it counts as
# failed. Generous: a loaded machine may be slow, and a passing test never
# waits that long.
PATIENCE=20

# Polls until a command succeeds; false once PATIENCE seconds have passed.
# Every wait below is one of these, with a condition of its own.
wait_until() {
    local deadline=$((SECONDS + PATIENCE))
    while [ "$SECONDS" -lt "$deadline" ]; do
        "$@" && return 0
        sleep 0.025
    done
    return 1
}

program_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

cleanup() {
    stop_accessibility_bus # the program first, then the buses, if any were started
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# A virtual screen of 1280 x 1024 at 96 dpi, without a window manager.
# Xvfb picks a free display number itself (-displayfd) and writes it once it
# accepts connections, so runs sharing a machine, even from other containers
# whose sockets this one cannot see in /tmp/.X11-unix, never collide. The
# file is made before the server starts, so that it can be read at once.
start_server() {
    : >"$WORK/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp "$@" \
        3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    SERVER_PID=$!
    local number=
    server_answered() {
        number=$(sed -n '/^[0-9][0-9]*$/p' "$WORK/display")
        [ -n "$number" ] || ! kill -0 "$SERVER_PID" 2>/dev/null
    }
    wait_until server_answered && [ -n "$number" ] ||
        fail "no X server could be started: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$number"
}

# A window manager on that screen (openbox, xfwm4 ...), ready once it has
# announced itself on the root window and then answered a request.
start_window_manager() {
    "$@" >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    manager_announced() {
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
            ! kill -0 "$WM_PID" 2>/dev/null
    }
    wait_until manager_announced && kill -0 "$WM_PID" 2>/dev/null ||
        fail "the window manager $1 did not start"
    # openbox announces itself before its event loop runs, and what reaches
    # it until then waits there for the next event: a window mapped in that
    # moment stayed unmanaged and unseen (3 of 200 starts under load). So
    # the desktops are counted one up and back, each step asked again until
    # the manager has carried it out.
    local desktops=
    desktops_counted() { desktops=$(xdotool get_num_desktops 2>/dev/null) && [ -n "$desktops" ]; }
    wait_until desktops_counted || fail "the window manager $1 counts no desktops"
    wait_until desktops_become $((desktops + 1)) && wait_until desktops_become "$desktops" ||
        fail "the window manager $1 does not answer"
}

# Asks the window manager for a number of desktops; true once it has that many.
desktops_become() {
    xdotool set_num_desktops "$1" 2>/dev/null
    [ "$(xdotool get_num_desktops 2>/dev/null)" == "$1" ]
}

# The margins a window manager's frame adds to a window: LEFT RIGHT TOP BOTTOM.
frame_extents() {
    local extents=
    frame_known() {
        extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p') &&
            [ -n "$extents" ]
    }
    wait_until frame_known "$1" || fail "window $1 has no frame"
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

# Polls for a visible window whose name matches a regular expression.
wait_window() {
    local pattern=$1 window=
    # Also ends the wait when the program has ended: no window will come.
    window_found() {
        window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] || { [ -n "$APP_PID" ] && program_ended; }
    }
    wait_until window_found && [ -n "$window" ] || fail "no window named $pattern appeared"
    echo "$window"
}

window_gone() { ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; }
wait_window_gone() {
    wait_until window_gone "$1" || fail "window $1 did not close"
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

# The clipboard's first five characters: "<BODY" after the body tag's copy.
clipboard_start() {
    clipboard | cut -c1-5
}

# The colours of points of the client area as RRGGBB, one a line, from one
# screenshot: pixel_at X Y [X Y ...].
pixel_at() {
    import -silent -window "$MAIN_WINDOW" "$WORK/shot.png" # -silent: no bell
    local format=
    while [ $# -ge 2 ]; do
        format+='%[hex:p{'"$1"','"$(($2 + MENU_HEIGHT))"'}]\n'
        shift 2
    done
    convert "$WORK/shot.png" -format "$format" info: | cut -c1-6
}

# Waits for the program to end and checks its exit code.
expect_exit() {
    local expected=$1 code=0
    wait_until program_ended || fail "the program did not end"
    wait "$APP_PID" || code=$?
    APP_PID=
    [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
}

expect_equal() {
    [ "$1" == "$2" ] || fail "$3: got '$1', expected '$2'"
}

# What the window shows or copies after an input: the program may still be
# at work, so the command is asked again until its output is the expected
# one, for up to PATIENCE seconds.
#   expect_soon EXPECTED DESCRIPTION COMMAND [ARGUMENTS...]
expect_soon() {
    local expected=$1 what=$2 got=
    shift 2
    output_is_expected() { got=$("$@" 2>/dev/null) || true; [ "$got" == "$expected" ]; }
    wait_until output_is_expected "$@" || fail "$what: got '$got', expected '$expected'"
}

# A private session bus, with no services to start on demand, so nothing runs
# on it that the test did not start. Ended by PID when the script exits.
SESSION_BUS_PID=
# What else a test starts (services on the bus, listeners on the X server):
# ended by PID after the program, before the buses.
HELPER_PIDS=()
start_session_bus() {
    cat >"$WORK/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$WORK</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$WORK/session.conf" --fork --print-address=1 --print-pid=1 \
        >"$WORK/session.bus" || fail "no session bus could be started"
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$WORK/session.bus")
    SESSION_BUS_PID=$(sed -n 2p "$WORK/session.bus")
}

# Waits until a name has an owner on the session bus.
wait_bus_name() {
    local owned
    for _ in $(seq 400); do
        owned=$(dbus-send --session --dest=org.freedesktop.DBus --print-reply=literal \
            /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null) || true
        [[ "$owned" == *true* ]] && return 0
        sleep 0.025
    done
    fail "nothing took the name $1 on the session bus"
}

# The accessibility bus as a desktop with a screen reader has it: on a
# private session bus, the AT-SPI bus launcher with accessibility on. The
# launcher runs the accessibility bus, which starts the registry. Start the
# program after this, with the same environment; everything is ended by PID
# when the script exits.
A11Y_LAUNCHER_PID=
A11Y_PIDS=()
start_accessibility_bus() {
    start_session_bus
    /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$WORK/a11y.log" 2>&1 &
    A11Y_LAUNCHER_PID=$!
    local address=
    for _ in $(seq 400); do
        address=$(dbus-send --session --dest=org.a11y.Bus --print-reply=literal /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$address" ] && break
        kill -0 "$A11Y_LAUNCHER_PID" 2>/dev/null || fail "the AT-SPI bus launcher ended"
        sleep 0.05
    done
    [ -n "$address" ] || fail "the AT-SPI bus did not come up"
    # Wakes the registry (the bus starts it on the first call, detached from
    # itself) and asks the bus for its PID.
    local registry=
    for _ in $(seq 400); do
        if dbus-send --bus="$address" --dest=org.a11y.atspi.Registry --print-reply \
            /org/a11y/atspi/registry org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1; then
            registry=$(dbus-send --bus="$address" --dest=org.freedesktop.DBus \
                --print-reply=literal /org/freedesktop/DBus \
                org.freedesktop.DBus.GetConnectionUnixProcessID \
                string:org.a11y.atspi.Registry | awk '{print $2}')
            break
        fi
        sleep 0.05
    done
    [ -n "$registry" ] || fail "the AT-SPI registry did not start"
    mapfile -t A11Y_PIDS < <(descendants "$A11Y_LAUNCHER_PID")
    A11Y_PIDS=("$registry" "${A11Y_PIDS[@]}")
}

# The PIDs of a process's children, their children and so on.
descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1"); do
        echo "$child"
        descendants "$child"
    done
}

# Ends a process by its PID and waits until it is gone.
end_pid() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.02
    done
    kill -KILL "$1" 2>/dev/null || true
}

# The program first, so that it does not outlive its buses.
stop_accessibility_bus() {
    if [ -n "$APP_PID" ]; then
        end_pid "$APP_PID"
        APP_PID=
    fi
    local pid
    for pid in "${HELPER_PIDS[@]}"; do
        end_pid "$pid"
    done
    HELPER_PIDS=()
    if [ -n "$A11Y_LAUNCHER_PID" ]; then
        for pid in "${A11Y_PIDS[@]}" $(descendants "$A11Y_LAUNCHER_PID") "$A11Y_LAUNCHER_PID"; do
            end_pid "$pid"
        done
    fi
    if [ -n "$SESSION_BUS_PID" ]; then
        for pid in $(descendants "$SESSION_BUS_PID") "$SESSION_BUS_PID"; do
            end_pid "$pid"
        done
    fi
    A11Y_LAUNCHER_PID=
    SESSION_BUS_PID=
    A11Y_PIDS=()
}
