#!/usr/bin/python3
"""A stand-in desktop behind the real XDG desktop portal: it answers the
portal's back-end call org.freedesktop.impl.portal.Screenshot.PickColor as a
person at a desktop's colour picker would, with the answers given on the
command line, one per pick, in turn:

    portal_desktop.py BUS-NAME LOG ANSWER...

ANSWER is R,G,B (the picked colour, three numbers from 0 to 1), "cancel"
(the person closed the picker), "broken" (the back end cannot pick: a D-Bus
error, as from a desktop without PickColor), or WAIT-FILE:R,G,B (the colour,
once WAIT-FILE exists). Each call appends the parent window it was given to
LOG. The portal also needs an Access back end before it offers screenshots;
this one refuses every access dialog.
"""

import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
SUCCESS, CANCELLED, OTHER = 0, 1, 2


class Desktop(dbus.service.Object):
    def __init__(self, bus, log, answers):
        super().__init__(bus, PATH)
        self.log = log
        self.answers = list(answers)

    @dbus.service.method("org.freedesktop.impl.portal.Screenshot",
                         in_signature="ossa{sv}", out_signature="ua{sv}",
                         async_callbacks=("reply", "error"))
    def PickColor(self, handle, app_id, parent_window, options, reply, error):
        with open(self.log, "a") as log:
            log.write(parent_window + "\n")
        answer = self.answers.pop(0) if self.answers else "cancel"
        if answer == "cancel":
            reply(CANCELLED, {})
        elif answer == "broken":
            error(dbus.exceptions.DBusException(
                "no colour picker here", name="org.freedesktop.DBus.Error.UnknownMethod"))
        elif ":" in answer:
            wait_file, color = answer.split(":")

            def answer_when_released():
                if not os.path.exists(wait_file):
                    return True
                reply(SUCCESS, picked(color))
                return False
            GLib.timeout_add(20, answer_when_released)
        else:
            reply(SUCCESS, picked(answer))

    @dbus.service.method("org.freedesktop.impl.portal.Access",
                         in_signature="osssssa{sv}", out_signature="ua{sv}")
    def AccessDialog(self, handle, app_id, parent_window, title, subtitle, body, options):
        return OTHER, {}


def picked(color):
    red, green, blue = (float(channel) for channel in color.split(","))
    return {"color": dbus.Struct((red, green, blue), signature="ddd")}


def main():
    name, log, answers = sys.argv[1], sys.argv[2], sys.argv[3:]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    desktop = Desktop(bus, log, answers)
    owned = dbus.service.BusName(name, bus)
    GLib.MainLoop().run()
    del desktop, owned


if __name__ == "__main__":
    main()
