#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives udjat through the accessibility bus: finds its controls by role and
name, toggles and presses them, and reads the report back.

usage: drive_udjat.py path/to/udjat   (inside x11_session.sh)

It listens first and starts the program after, as a screen reader that is
already running at login would: a listener that registers while the program
is starting may go unheard by it."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, Gio, GLib

NAMES = ["по-голямата част от окото", "зеница", "вежда",
         "по-малката част от окото", "капка сълза", "знак на сокола"]
PROMPT = "Направете нов избор!"
TYPICAL_REPORT = ("Сумата се формира от: \n1/2\n1/4\n\n"
                  "Изчислената дроб е: 48/64\nПроста дроб: 3/4")

name_changes = []
popups = []


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def pump(seconds=0.0):
    """Lets bus events reach our listener."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_for(what, condition, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def find_app():
    def look():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "udjat":
                return app
        return None
    return wait_for("udjat on the accessibility bus", look, timeout=30)


def application_locale(app):
    """The language the program tells the accessibility bus (its messages locale)."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, None, 0, -1).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    return bus.call_sync(app.app.bus_name, "/org/a11y/atspi/accessible/root",
                         "org.a11y.atspi.Application", "GetLocale",
                         GLib.Variant("(u)", (Atspi.LocaleType.MESSAGES,)), None, 0, -1).unpack()[0]


def descendants(root, role):
    return pyatspi.utils.findAllDescendants(root, lambda a: a.getRole() == role)


def do_action(accessible, wanted):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() == wanted.lower():
            action.doAction(i)
            return
    fail(f"{accessible.name!r} has no {wanted} action, only {names}")


def is_checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def check_context_menu(app, report):
    """Qt's own texts are Bulgarian: the report box's context menu, opened
    with a real right click."""
    box = report.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "3"], check=True)
    # A popup is no child of the application on the bus; it says it shows.
    menu = wait_for("the context menu", lambda: popups and popups[-1])
    items = [item.name for item in menu if item is not None and item.name]
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    for wanted in ("Копиране", "Избиране на всичко"):
        if not any(name.replace("&", "").split("\t")[0] == wanted for name in items):
            fail(f"the context menu has no {wanted!r}, only {items}")
    print("  context menu:", items)


def main():
    pyatspi.Registry.registerEventListener(
        lambda event: name_changes.append(event.source.name),
        "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(
        lambda event: event.source.getRole() == pyatspi.ROLE_POPUP_MENU and popups.append(event.source),
        "object:state-changed:showing")
    pump()
    program = subprocess.Popen([sys.argv[1]],
                               env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        drive()
    finally:
        program.terminate()
        program.wait(timeout=10)


def drive():
    app = find_app()
    frame = wait_for("the window", lambda: descendants(app, pyatspi.ROLE_FRAME)
                     or descendants(app, pyatspi.ROLE_WINDOW))[0]
    if frame.name != "Уаджет - окото на Ра. История - амулет Уаджет":
        fail(f"window named {frame.name!r}")

    boxes = sorted(descendants(frame, pyatspi.ROLE_CHECK_BOX),
                   key=lambda a: NAMES.index(a.name) if a.name in NAMES else 99)
    if [b.name for b in boxes] != NAMES:
        fail(f"check boxes {[b.name for b in boxes]}")
    for box, name in zip(boxes, NAMES):
        if not box.description.startswith(name + ", една "):
            fail(f"box {name!r} described as {box.description!r}")
        # The whole coloured row takes a click, and assistive tools are told so.
        extents = box.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        if (extents.width, extents.height) != (201, 25):
            fail(f"box {name!r} reports a hit area of {extents.width}x{extents.height}")
    locale = application_locale(app)
    if not locale.startswith("bg"):
        fail(f"the program tells its language as {locale!r}")
    buttons = {b.name: b for b in descendants(frame, pyatspi.ROLE_PUSH_BUTTON)}
    for name in ("Изчисли", "Изтрий"):
        if name not in buttons:
            fail(f"no button {name!r} among {list(buttons)}")
    texts = [t for t in descendants(frame, pyatspi.ROLE_TEXT) if t.name == "Отчет"]
    if not texts:
        fail("no report box named Отчет")
    report = texts[0].queryText()
    read_report = lambda: report.getText(0, -1)
    if not read_report().startswith("Съществува египетски амулет Уаджет"):
        fail("the report box does not start with the assignment")
    images = descendants(frame, pyatspi.ROLE_IMAGE)
    if not images or "една осма" not in images[0].description:
        fail("the diagram is not an image with a description")

    check_context_menu(app, texts[0])

    print("What an assistive tool meets, read from the bus:")
    for control in [images[0]] + boxes + list(buttons.values()) + texts:
        print(f"  {control.getRoleName()}: {control.name!r} - {control.description!r}")

    # The typical use: tick the pupil, then the larger part, calculate, erase.
    do_action(boxes[1], "Toggle")
    wait_for("box 1 ticked and named 1/4",
             lambda: is_checked(boxes[1]) and boxes[1].name == "1/4")
    do_action(boxes[0], "Toggle")
    wait_for("box 0 named 1/2", lambda: boxes[0].name == "1/2")
    wait_for("name changes announced", lambda: {"1/4", "1/2"} <= set(name_changes))

    do_action(buttons["Изчисли"], "Press")
    wait_for("the typical report", lambda: read_report() == TYPICAL_REPORT)

    do_action(buttons["Изтрий"], "Press")
    wait_for("the erase prompt", lambda: read_report() == PROMPT)
    wait_for("every name back", lambda: [b.name for b in boxes] == NAMES
             and not any(is_checked(b) for b in boxes))

    do_action(buttons["Изчисли"], "Press")
    wait_for("the no-part report", lambda: read_report() == "Липсва избрана част!\n")
    print(f"  frame: {frame.name!r}")
    print("Name changes announced on the bus:", name_changes)
    print("PASS: typical use and erase through the accessibility bus")


if __name__ == "__main__":
    main()
