#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader on Windows is handed: the portable udjat.exe on Qt's
real windows platform under Wine, with the project's stand-in
UIAutomationCore.dll in the prefix's system32, logging every UI Automation
event and notification. A WM_GETOBJECT for the root switches Qt's bridge
on, as a screen reader's first contact does; then the mouse works the
typical use and its edge cases, and each announcement must reach the log,
in words, as one notification.

usage: check_uia.py BUILD_DIR VERSION   (on an X display)"""
import os
import shutil
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

from check_release import wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
WINE = [os.path.join(HERE, "wine-run.sh")]
TITLE = "История - амулет Уаджет"
FORM = os.path.join(HERE, "..", "..", "window", "MainForm.ui")
SUM = ("Сумата се формира от една втора и една четвърт. "
       "Изчислената дроб е четиридесет и осем шестдесет и четвърти. Простата дроб е три четвърти.")

# (what the pupil does, the control clicked, the notification it must raise)
STEPS = [
    ("tick зеница", "Check1_1", "една четвърт, отметната"),
    ("tick the larger part", "Check1_0", "една втора, отметната"),
    ("tick вежда", "Check1_2", "една осма, отметната"),
    ("untick вежда", "Check1_2", "вежда, неотметната"),
    ("Изчисли", "Command1_0", SUM),
    ("Изтрий", "Command1_1", "Направете нов избор!"),
    ("Изчисли with nothing ticked", "Command1_0", "Липсва избрана част!"),
]


def fail(message, log=""):
    print("FAIL:", message)
    if log:
        print("the stand-in's log:\n" + log)
    sys.exit(1)


def centres():
    """Each control's centre in the window, from its stored description."""
    found = {}
    for widget in ET.parse(FORM).iter("widget"):
        rect = widget.find("property[@name='geometry']/rect")
        if rect is not None:
            x, y, w, h = (int(rect.find(k).text) for k in ("x", "y", "width", "height"))
            found[widget.get("name")] = (x + w // 2, y + h // 2)
    return found


def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def main():
    build, version = sys.argv[1:3]
    exe = os.path.join(build, f"udjat-{version}-win64", "udjat.exe")
    prefix = os.path.abspath(os.path.join(build, "wine-uia"))
    log = os.path.abspath(os.path.join(build, "uia.log"))
    shutil.rmtree(prefix, ignore_errors=True)
    if os.path.exists(log):
        os.remove(log)
    env = dict(os.environ, WINEPREFIX=prefix, UDJAT_UIA_LOG="Z:" + log,
               WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;uiautomationcore=n")
    subprocess.run(WINE + ["cmd", "/c", "exit"], env=env, capture_output=True, timeout=120)
    shutil.copy(os.path.join(build, "bin", "uiautomationcore.dll"),
                os.path.join(prefix, "drive_c", "windows", "system32", "uiautomationcore.dll"))

    program = subprocess.Popen(WINE + [exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = wait_until("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", TITLE],
            capture_output=True, text=True).stdout.split())[-1]
        time.sleep(1)
        poke = subprocess.run(WINE + [os.path.join(build, "bin", "uia_poke.exe"), TITLE],
                              env=env, capture_output=True, timeout=60)
        if poke.returncode != 0:
            fail("no window answered WM_GETOBJECT")
        where = centres()
        for step, control, expected in STEPS:
            before = len(read(log).splitlines())
            x, y = where[control]
            subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y),
                            "click", "1"], check=True)
            # Everything the step raised: until the log has been still a while.
            lines, still = None, 0
            while still < 5:
                time.sleep(0.2)
                now = read(log).splitlines()[before:]
                still = still + 1 if now == lines else 0
                lines = now
            notes = [line.split("\t")[2] for line in lines if line.startswith("notification\t")]
            print(f"  {step}: " + "; ".join(notes or ["no notification"]))
            if notes.count(expected) != 1 or len(notes) != 1:
                fail(f"{step}: the notifications were {notes}, not [{expected!r}]", read(log))
            if any("/" in note for note in notes):
                fail(f"{step}: a notification spells a fraction in digits", read(log))
    finally:
        subprocess.run(WINE + ["taskkill", "/IM", "udjat.exe"], env=env, capture_output=True)
        try:
            program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            program.kill()
        subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
    shutil.rmtree(prefix, ignore_errors=True)
    print("PASS: every announcement reached UI Automation as one notification")


if __name__ == "__main__":
    main()
