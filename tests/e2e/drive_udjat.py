#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives udjat through the accessibility bus: finds its controls by role and
name, toggles and presses them, and reads the report back."""
import sys
import time

import pyatspi
from gi.repository import GLib

NAMES = ["по-голямата част от окото", "зеница", "вежда",
         "по-малката част от окото", "капка сълза", "знак на сокола"]
PROMPT = "Направете нов избор!"
TYPICAL_REPORT = ("Сумата се формира от: \n1/2\n1/4\n\n"
                  "Изчислената дроб е: 48/64\nПроста дроб: 3/4")

name_changes = []


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


def main():
    pyatspi.Registry.registerEventListener(
        lambda event: name_changes.append(event.source.name),
        "object:property-change:accessible-name")

    app = find_app()
    frame = wait_for("the window", lambda: descendants(app, pyatspi.ROLE_FRAME)
                     or descendants(app, pyatspi.ROLE_WINDOW))[0]
    if not frame.name.endswith(" История - амулет Уаджет"):
        fail(f"window named {frame.name!r}")

    boxes = sorted(descendants(frame, pyatspi.ROLE_CHECK_BOX),
                   key=lambda a: NAMES.index(a.name) if a.name in NAMES else 99)
    if [b.name for b in boxes] != NAMES:
        fail(f"check boxes {[b.name for b in boxes]}")
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
    if not images or "1/8" not in images[0].description:
        fail("the diagram is not an image with a description")

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
