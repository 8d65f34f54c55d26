#!/usr/bin/python3
"""The contrast check on the real program, as a person sees it on the screen
and a screen reader reads it over AT-SPI (the helpers of screen_reader.py):

    contrast_check.py PID MAIN_WINDOW MENU_HEIGHT

F7 opens the check beside the main window, whose pixels stay as they were
and which keeps the focus; the table reads the scheme's twelve pairs and
follows a slider moved by key; F7 hides it again. The shared context menu
lists the command with its key, opened by a right click on a swatch and by
Shift+F10 and the Menu key on the copy button, whose description names the
key; chosen from the menu, the command opens the check, whose button makes a
failing pair pass; Escape in the check gives the focus back.
"""

import os
import re
import subprocess
import sys
import tempfile

import pyatspi

from screen_reader import check, find, key, press, run, shown, the_program, wait_for

MAIN_WINDOW = sys.argv[2]
MENU_HEIGHT = int(sys.argv[3])
TITLE = "配色ﾁｪｯｸ"
COMMAND = "配色ﾁｪｯｸ(K)..."
BACK, TEXT, LINK, VISIT, CLICK, TABLE, RULE = (
    "背景色", "通常のテキスト文字", "リンク文字列", "訪問済みのリンク",
    "クリックしたときのリンク", "テーブル", "分割線")
FAILS = "不適合"
# The default scheme's pairs, worked out apart from the program.
DEFAULT_ROWS = [
    [TEXT, BACK, "1.81:1", FAILS], [LINK, BACK, "2.59:1", FAILS],
    [VISIT, BACK, "1.04:1", FAILS], [CLICK, BACK, "1.29:1", FAILS],
    [TEXT, TABLE, "4.47:1", "大きな文字のみ適合"], [LINK, TABLE, "1.05:1", FAILS],
    [VISIT, TABLE, "2.35:1", FAILS], [CLICK, TABLE, "1.90:1", FAILS],
    [LINK, TEXT, "4.73:1", "適合"], [VISIT, TEXT, "1.90:1", FAILS],
    [CLICK, TEXT, "2.35:1", FAILS], [RULE, BACK, "1.00:1", FAILS],
]
WORK = tempfile.mkdtemp()
events = []


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


def focused_window():
    return xdotool("getwindowfocus")


def main_window_on_screen(name):
    """The main window's pixels as the screen shows them, saved as a PNG."""
    info = subprocess.run(["xwininfo", "-id", MAIN_WINDOW], capture_output=True, text=True).stdout
    x, y, width, height = (int(re.search(pattern + r":\s+(-?\d+)", info).group(1)) for pattern in
                           ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    path = os.path.join(WORK, name + ".png")
    subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                    path], check=True)
    return path


def differing_pixels(first, second):
    compared = subprocess.run(["compare", "-metric", "AE", first, second, "null:"],
                              capture_output=True, text=True)
    return compared.stderr.strip()


def check_window(app):
    """The check window while it is shown."""
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if (child is not None and child.name == TITLE
                and child.getState().contains(pyatspi.STATE_SHOWING)):
            return child
    return None


def rows(table):
    cells = table.queryTable()
    return [[cells.getAccessibleAt(row, column).name for column in range(cells.nColumns)]
            for row in range(cells.nRows)]


def shown_menu():
    """The popup menu last shown, while it is shown."""
    shows = [e for e in events if e.type == "object:state-changed:showing"
             and e.source.getRole() == pyatspi.ROLE_POPUP_MENU]
    return shows[-1].source if shows and shows[-1].detail1 else None


def menu_entries(menu):
    entries = []
    for index in range(menu.childCount):
        item = menu.getChildAtIndex(index)
        entries.append((item.name, item.queryAction().getKeyBinding(0)))
    return entries


def focused_item():
    focused = [e.source for e in events
               if e.type == "object:state-changed:focused" and e.detail1]
    return focused[-1].name if focused else None


def main():
    app = the_program()
    if app is None:
        return
    pyatspi.Registry.registerEventListener(
        events.append, "object:state-changed:showing", "object:state-changed:focused")
    before = main_window_on_screen("before")

    key("F7")
    check(wait_for(lambda: check_window(app) is not None), f"F7 opens the window {TITLE}")
    window = check_window(app)
    table = find(window, pyatspi.ROLE_TABLE, TITLE) if window else None
    if not check(table is not None, "the check holds a table a screen reader reads as one"):
        return
    check(wait_for(lambda: rows(table) == DEFAULT_ROWS),
          f"the table reads the default scheme's twelve pairs (reads {rows(table)})")
    check(focused_window() == MAIN_WINDOW, "the main window keeps the keyboard focus")
    opened = main_window_on_screen("opened")
    differing = differing_pixels(before, opened)
    check(differing == "0", f"opening the check changes no pixel of the main window "
                            f"({differing} differ)")

    key("End")  # the red slider, which has the focus: the background becomes #FFC0C0
    expected = [[TEXT, BACK, "1.54:1", FAILS], [LINK, BACK, "3.05:1", "大きな文字のみ適合"]]
    check(wait_for(lambda: rows(table)[:2] == expected),
          f"after End on the red slider the first rows read {expected} (read {rows(table)[:2]})")
    key("F7")
    check(wait_for(lambda: check_window(app) is None), "F7 again hides the check")
    check(focused_window() == MAIN_WINDOW, "the main window still has the keyboard focus")

    # The shared menu, by a right click on the link's swatch.
    events.clear()
    xdotool("mousemove", "--window", MAIN_WINDOW, "19", str(57 + MENU_HEIGHT), "click", "3")
    check(wait_for(lambda: shown_menu() is not None), "a right click on a swatch opens a menu")
    menu = shown_menu()
    entries = menu_entries(menu) if menu else []
    check((COMMAND, "F7") in entries, f"the menu lists {COMMAND} with F7 (lists {entries})")
    key("Escape")
    check(wait_for(lambda: shown_menu() is None), "Escape closes the menu")

    # From the keyboard, on the copy button: Shift+F10, then the Menu key.
    for _ in range(6):  # from the red slider to the copy button
        key("Tab")
    copy = find(app, pyatspi.ROLE_PUSH_BUTTON, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへCOPY")
    check(copy is not None and "配色ﾁｪｯｸ F7" in copy.description,
          f"the copy button's description names the key (says {copy and copy.description!r})")
    for menu_key in ("shift+F10", "Menu"):
        events.clear()
        key(menu_key)
        check(wait_for(lambda: focused_item() == COMMAND),
              f"{menu_key} on the copy button opens the menu at {COMMAND} "
              f"(a reader hears {focused_item()!r})")
        if menu_key != "Menu":
            key("Escape")
            check(wait_for(lambda: shown_menu() is None), "Escape closes the menu")
    key("Return")
    check(wait_for(lambda: check_window(app) is not None), "chosen from the menu, the command "
                                                           "opens the check")

    # A click on the text-on-table row, then the button, as a reader presses it.
    cell = table.queryTable().getAccessibleAt(4, 0)
    box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
    check(wait_for(lambda: focused_window() != MAIN_WINDOW), "a click in the check gives it the focus")
    button = find(check_window(app), pyatspi.ROLE_PUSH_BUTTON, "合格する色に")
    check(button is not None and wait_for(
        lambda: button.getState().contains(pyatspi.STATE_ENABLED)),
        "the failing row chosen, the button can be pressed")
    press(button)
    passing = [TEXT, TABLE, "4.52:1", "AA適合"]
    check(wait_for(lambda: rows(table)[4] == passing),
          f"the button makes the row pass: {passing} (reads {rows(table)[4]})")
    hex_name = find(app, pyatspi.ROLE_LABEL, lambda name: name.startswith("COLOR = #"))
    check(hex_name is not None and wait_for(lambda: shown(hex_name) == "COLOR = #060606"),
          "the main window shows the text's new colour #060606")

    key("Escape")
    check(wait_for(lambda: check_window(app) is None), "Escape in the check hides it")
    check(wait_for(lambda: focused_window() == MAIN_WINDOW),
          "and the keyboard focus is back in the main window")


if __name__ == "__main__":
    run(main)
