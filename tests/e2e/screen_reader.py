#!/usr/bin/python3
"""Reads the running program through the AT-SPI bus as a screen reader does
(pyatspi, the library Orca is built on), operates it through the same bus
and with keys (xdotool), and checks the clipboard (xclip).

    screen_reader.py PID QT-VERSION

Prints one line per check; exits 1 when any check failed. What Qt carries
to readers grows with its version: the Selection interface of lists from
6.5 on, announcements from 6.8 on. Other scripts import its helpers (find,
wait_for, check, run ...).
"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

PID = int(sys.argv[1])
FIELDS = {"赤(R)": "192", "緑(G)": "192", "青(B)": "192",
          "色相(H)": "0", "彩度(S)": "0", "明度(L)": "192"}
PARTS = ["背景色", "通常のテキスト文字", "リンク文字列", "訪問済みのリンク",
         "クリックしたときのリンク", "テーブル", "分割線"]
failures = []
events = []


def check(ok, what):
    print(("ok:   " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(condition, seconds=10.0):
    """Polls `condition` (pumping events) until it holds or time runs out."""
    end = time.monotonic() + seconds
    while True:
        pump()
        try:
            if condition():
                return True
        except NotImplementedError:  # an interface the control lacks stays missing
            return False
        except GLib.Error:
            pass
        if time.monotonic() > end:
            return False
        time.sleep(0.05)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def clipboard():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                            capture_output=True, text=True)
    return result.stdout


def shown(accessible):
    """The text a reader reads from a control's Text interface."""
    return accessible.queryText().getText(0, -1)


def find(root, role, name, descend_lists=False):
    """The first descendant with this role and name, depth first."""
    for index in range(root.childCount):
        child = root.getChildAtIndex(index)
        if child is None:
            continue
        if child.getRole() == role and (name(child.name) if callable(name) else child.name == name):
            return child
        if child.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX) and not descend_lists:
            continue
        found = find(child, role, name, descend_lists)
        if found is not None:
            return found
    return None


def find_all(root, role, name):
    found = []
    for index in range(root.childCount):
        child = root.getChildAtIndex(index)
        if child is None or child.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX):
            continue
        if child.getRole() == role and child.name == name:
            found.append(child)
        found += find_all(child, role, name)
    return found


def press(accessible):
    """Runs a control's first action: press, toggle or click."""
    accessible.queryAction().doAction(0)


def announced(accessible, text):
    """Whether the control sent a name change and a text change carrying `text`."""
    mine = [e for e in events if e.source == accessible]
    return (any(e.type == "object:property-change:accessible-name" for e in mine)
            and any(e.type.startswith("object:text-changed:insert") and e.any_data == text
                    for e in mine))


def read_and_heard(accessible, text, what):
    """A changed text is read anew from the Text interface and by name, and was announced."""
    wait_for(lambda: shown(accessible) == text and announced(accessible, text))
    try:
        read = shown(accessible)
    except NotImplementedError:
        read = "(no Text interface)"
    check(read == text, f"{what} reads {text!r} through Text (read {read!r})")
    check(announced(accessible, text), f"{what} announced its change to {text!r}")
    check(accessible.name == text, f"{what} is named {text!r} (named {accessible.name!r})")


def chosen_colour(hex_name, colour, copy, what):
    """After a choice, the hex readout and the copied tag carry the colour."""
    check(wait_for(lambda: shown(hex_name) == "COLOR = #" + colour),
          f"{what}: the hex readout shows #{colour}")
    press(copy)
    tag = f'<FONT COLOR="#{colour}">'
    check(wait_for(lambda: clipboard() == tag), f"{what}: the copy button copies {tag}")


def the_program():
    """The program's application on the bus, or None."""
    # A reader waits for as long as a person would; a loaded machine is slow.
    Atspi.set_timeout(10000, 10000)
    app = None
    if wait_for(lambda: any(a is not None and a.get_process_id() == PID
                            for a in pyatspi.Registry.getDesktop(0)), 30):
        app = next(a for a in pyatspi.Registry.getDesktop(0)
                   if a is not None and a.get_process_id() == PID)
    check(app is not None, "the program is on the AT-SPI bus")
    return app


def chosen_through_selection(grid, names, hex_name, copy):
    """A reader reads the grid's and the named list's chosen item through
    their Selection interfaces and chooses another through them."""
    selection = grid.querySelection()
    check(selection.selectChild(0), "the grid lets a reader select cell #FFFFFF")
    chosen_colour(hex_name, "FFFFFF", copy, "grid cell #FFFFFF selected")
    check(selection.nSelectedChildren == 1 and selection.getSelectedChild(0).name == "#FFFFFF",
          "the grid's one selected cell is then #FFFFFF")
    entries = find(names, pyatspi.ROLE_LIST, lambda name: True, descend_lists=True) or names
    items = entries.querySelection()
    red = next(index for index in range(entries.childCount)
               if entries.getChildAtIndex(index).name == "red")
    check(items.selectChild(red), "the named list lets a reader select entry red")
    chosen_colour(hex_name, "FF0000", copy, "entry red selected")
    check(items.nSelectedChildren == 1 and items.getSelectedChild(0).name == "red",
          "the named list's one selected entry is red")


def main():
    qt = tuple(int(part) for part in sys.argv[2].split("."))
    app = the_program()
    if app is None:
        return
    window = find(app, pyatspi.ROLE_FRAME, "Tintwright (Chromaweave)")
    hex_name = find(window, pyatspi.ROLE_LABEL, "COLOR = #C0C0C0")
    status = find(window, pyatspi.ROLE_LABEL, "背景色")
    red_bar = find(window, pyatspi.ROLE_SCROLL_BAR, "赤(R)")
    copy = find(window, pyatspi.ROLE_PUSH_BUTTON, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへCOPY")
    # Qt names the named list by its chosen entry once there is one.
    names = find(window, pyatspi.ROLE_COMBO_BOX, "カラー名")
    grid = find(window, pyatspi.ROLE_LIST, "ウェブセーフカラー")
    if not check(None not in (window, hex_name, status, red_bar, copy, names, grid),
                 "window, hex readout, status line, red slider, copy button, list and grid found"):
        return

    # The six number fields: read-only text showing the start-up numbers.
    for name, number in FIELDS.items():
        field = find(window, pyatspi.ROLE_TEXT, name)
        try:
            read = shown(field) if field else "(no text named so)"
        except NotImplementedError:
            read = "(no Text interface)"
        read_only = field is not None and field.getState().contains(pyatspi.STATE_READ_ONLY)
        check(read == number and read_only,
              f"number field {name} is read-only text reading {number} (read {read!r})")

    def listen(event):
        events.append(event)

    # The slider's value event, registered last, shows once the program
    # knows of all the listeners: the first key press it is seen for is the
    # one checked.
    pyatspi.Registry.registerEventListener(
        listen, "object:text-changed", "object:property-change:accessible-name",
        "object:state-changed:focused", "object:property-change:accessible-value",
        "object:announcement")
    value = red_bar.queryValue()
    for _ in range(20):
        events.clear()
        key("Right")  # the red slider has the focus at start-up
        if wait_for(lambda: any(e.source == red_bar for e in events), 2):
            break
    red = int(value.currentValue)
    read_and_heard(hex_name, f"COLOR = #{red:02X}C0C0", "after a key on the red slider, the hex readout")
    red_field = find(window, pyatspi.ROLE_TEXT, "赤(R)")
    check(red_field is not None and wait_for(lambda: shown(red_field) == str(red)),
          f"after a key on the red slider, its number field reads {red}")

    # A tag type chosen through the bus edits the text colour (white).
    events.clear()
    press(find(window, pyatspi.ROLE_RADIO_BUTTON, '<FONT COLOR="">'))
    read_and_heard(status, "通常のテキスト文字", "after a tag type change, the status line")
    read_and_heard(hex_name, "COLOR = #FFFFFF", "after a tag type change, the hex readout")

    # A named colour chosen through the bus, then a grid cell picked.
    blue = find(names, pyatspi.ROLE_LIST_ITEM, "blue", descend_lists=True)
    check(blue is not None, "the named list offers entry blue")
    if blue is not None:
        press(blue)
        chosen_colour(hex_name, "0000FF", copy, "entry blue chosen")
    red_cell = grid.getChildAtIndex(35)
    check(red_cell.name == "#FF0000", "grid cell 35 is named #FF0000")
    try:
        press(red_cell)
    except NotImplementedError:
        check(False, "grid cell #FF0000 can be pressed")
    chosen_colour(hex_name, "FF0000", copy, "grid cell #FF0000 pressed")

    # Back from the red slider (it still has the focus) into the grid: the
    # reader hears the current cell last.
    events.clear()
    key("shift+Tab")

    def last_focused():
        focused = [e for e in events if e.type == "object:state-changed:focused" and e.detail1]
        return focused[-1].source if focused else None

    wait_for(lambda: last_focused() is not None and last_focused().name == "#FF0000", 5)
    heard = last_focused()
    check(heard is not None and heard.name == "#FF0000",
          f"tabbing into the grid announces cell #FF0000 (announces {heard and heard.name!r})")
    # Blue again, after the grid pick moved the colour on.
    if blue is not None:
        press(blue)
        chosen_colour(hex_name, "0000FF", copy, "entry blue chosen again")

    if qt >= (6, 5):
        chosen_through_selection(grid, names, hex_name, copy)

    # Ctrl+1 ... Ctrl+7 select the seven parts; every swatch and caption of a
    # part says its key, and the reader says the part chosen.
    for part in [2, 3, 4, 5, 6, 7, 1]:
        events.clear()
        before = shown(status)
        key(f"ctrl+{part}")
        name = PARTS[part - 1]
        check(wait_for(lambda: shown(status) == name), f"Ctrl+{part} selects {name}")
        if qt >= (6, 8) and name != before:
            check(wait_for(lambda: any(e.type == "object:announcement" and e.any_data == name
                                       for e in events), 5),
                  f"Ctrl+{part} announces {name}")
        controls = find_all(window, pyatspi.ROLE_PUSH_BUTTON, name)
        bindings = [c.queryAction().getKeyBinding(0) for c in controls]
        check(len(controls) == (1 if part == 7 else 2) and set(bindings) == {f"Ctrl+{part}"},
              f"the controls of {name} say Ctrl+{part} (say {bindings})")

    # Help -> About through the bus: the call returns while the dialog opens.
    about = find(window, pyatspi.ROLE_MENU_ITEM, lambda n: n.startswith("ﾊﾞｰｼﾞｮﾝ情報"))
    try:
        press(about)
        returned = True
    except GLib.Error as error:
        returned = False
        print(f"      ({error.message})")
    check(returned, "the About command returns while its dialog is open")

    def dialog():
        for index in range(app.childCount):
            child = app.getChildAtIndex(index)
            if (child is not None and child.name == "ﾊﾞｰｼﾞｮﾝ情報"
                    and child.getState().contains(pyatspi.STATE_SHOWING)):
                return child
        return None

    check(wait_for(lambda: dialog() is not None), "the About dialog is then open")
    box = dialog()
    if box is not None:
        check(box.getState().contains(pyatspi.STATE_MODAL), "the About dialog is modal")
        press(find(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check(wait_for(lambda: dialog() is None), "OK closes the About dialog")


def run(checks):
    """Runs a function of checks; exits 1 when any failed."""
    try:
        checks()
    except Exception as error:  # a failed look-up ends the run, reported as such
        check(False, f"the run ended early: {error!r}")
    print(f"{len(failures)} check(s) failed" if failures else "all checks passed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    run(main)
