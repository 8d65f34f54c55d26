#!/usr/bin/env bash
# Picking a colour from the screen on a Wayland session (WAYLAND_DISPLAY set;
# the program draws on an X server, as under XWayland): Ctrl+Shift+P asks the
# real XDG desktop portal, on a private session bus, with a stand-in desktop
# behind it (portal_desktop.py). A picked colour (0.1, 0.5, 0.999) enters the
# background as #1A80FF, rounded; the portal is told which window asks. A
# cancelled pick changes nothing; a desktop that cannot pick, and then no
# portal at all, beep and change nothing. While the desktop's picker is up
# the window answers, and the colour goes to the part the pick was for.
#   screen_pick_portal.sh PROGRAM XCLOSE XPROBE
source "$(dirname "$0")/lib.sh" "$@"
XPROBE=$3
DESKTOP_NAME=org.freedesktop.impl.portal.desktop.tintwrighttest
start_server
start_session_bus
"$XPROBE" bells >"$WORK/bells" &
HELPER_PIDS+=($!)
wait_until grep -q listening "$WORK/bells" || fail "no one listens to the bell"

# The portal finds its desktop through a .portal file for the desktop named
# in XDG_CURRENT_DESKTOP, in the folder XDG_DESKTOP_PORTAL_DIR names.
mkdir "$WORK/portals"
cat >"$WORK/portals/tintwright-test.portal" <<PORTAL
[portal]
DBusName=$DESKTOP_NAME
Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;
UseIn=tintwright-test
PORTAL
/usr/bin/python3 "$(dirname "$0")/portal_desktop.py" "$DESKTOP_NAME" "$WORK/parents" \
    0.1,0.5,0.999 cancel broken "$WORK/release:0.2,0.4,0.6" 0,0,0 >"$WORK/desktop.log" 2>&1 &
HELPER_PIDS+=($!)
wait_bus_name "$DESKTOP_NAME"
XDG_DESKTOP_PORTAL_DIR="$WORK/portals" XDG_CURRENT_DESKTOP=tintwright-test \
    /usr/libexec/xdg-desktop-portal >"$WORK/portal.log" 2>&1 &
portal=$!
HELPER_PIDS+=($portal)
wait_bus_name org.freedesktop.portal.Desktop

export WAYLAND_DISPLAY=tintwright-test-no-compositor
start_program

body() {
    keys ctrl+c
    clipboard
}
colour_of() { body | sed -n 's/.* '"$1"'="\(#[0-9A-F]*\)".*/\1/p'; }
window_shot() { import -silent -window "$MAIN_WINDOW" "$WORK/$1.png"; }
same_shots() { compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>/dev/null; }
bells() { grep -c bell "$WORK/bells"; }
rang() { [ "$(bells)" -ge "$1" ]; }
colour_is() { [ "$(colour_of "$1")" == "$2" ]; }
asked() { [ "$(wc -l <"$WORK/parents" 2>/dev/null || echo 0)" -ge "$1" ]; }

keys ctrl+shift+p
wait_until colour_is BGCOLOR "#1A80FF" || fail "the background did not take the picked colour"
expect_equal "$(sed -n 1p "$WORK/parents")" "$(printf 'x11:%x' "$MAIN_WINDOW")" \
    "the window the portal was given"

# The portal answers in order: the cancel is handled before the beep.
window_shot before
keys ctrl+shift+p
wait_until asked 2 || fail "the portal's desktop was not asked again"
keys ctrl+shift+p
wait_until rang 1 || fail "no beep from a desktop that cannot pick"
window_shot after
same_shots before after || fail "the window changed after a cancelled pick or one that failed"

keys ctrl+shift+p
wait_until asked 4 || fail "the portal's desktop was not asked a fourth time"
keys ctrl+2 # the text, while the desktop's picker is up
expect_soon "#FFFFFF" "text colour copied while the picker is up" colour_of TEXT
touch "$WORK/release"
wait_until colour_is BGCOLOR "#336699" || fail "the background did not take the colour asked for it"
keys ctrl+shift+p # now for the text
wait_until colour_is TEXT "#000000" || fail "the text did not take the colour"

end_pid "$portal"
window_shot before
keys ctrl+shift+p
wait_until rang 2 || fail "no beep without a portal"
window_shot after
same_shots before after || fail "the window changed without a portal"
expect_equal "$(colour_of BGCOLOR)" "#336699" "background copied after the beep"
expect_equal "$(bells)" 2 "beeps"

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: a pick through the real portal, rounded, for its window; cancel changes nothing; no picker and no portal beep; the window answers meanwhile"
