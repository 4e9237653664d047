#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a blind pupil hears: starts a speech server with a silent voice, the
screen reader Orca and then udjat, works the window with real X key events
(xdotool) and checks what Orca speaks at each step. Prints the transcript
when a check fails.

usage: orca_check.py path/to/udjat   (inside x11_session.sh)"""
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
QUIET, LONGEST = 0.7, 8.0   # silence that ends a step; longest wait for one

BOXES = ["по-голямата част от окото", "зеница", "вежда",
         "по-малката част от окото", "капка сълза", "знак на сокола"]
WORDS = ["една втора", "една четвърт", "една осма", "една шестнадесета",
         "една тридесет и втора", "една шестдесет и четвърта"]

# (step, keys, texts Orca must say in it)
STEPS = [("start-up", [], ["Уаджет - окото на Ра. История - амулет Уаджет", "Отчет",
                           "Съществува египетски амулет Уаджет"])]
STEPS += [(f"Tab to {name}", ["Tab"], [f"{name} check box", f"{name}, {words}"])
          for name, words in zip(BOXES, WORDS)]
STEPS += [
    ("Tab to Изчисли", ["Tab"], ["Изчисли push button"]),
    ("Tab to Изтрий", ["Tab"], ["Изтрий push button"]),
    ("Tab to the diagram", ["Tab"], ["Рисунка на окото Уаджет image",
                                     "по-голямата част от окото: 1/2", "знак на сокола: 1/64"]),
    ("Tab to the report", ["Tab"], ["Отчет read only text"]),
    ("Tab, Tab to зеница", ["Tab", "Tab"], ["зеница check box not checked"]),
    ("tick зеница", ["space"], ["1/4, отметната"]),
    ("back to the larger part", ["shift+Tab"], ["по-голямата част от окото check box"]),
    ("tick it", ["space"], ["1/2, отметната"]),
    ("Tab to 1/4", ["Tab"], ["1/4 check box checked", "зеница, една четвърт"]),
    ("Tab on to Изчисли", ["Tab"] * 5, ["Изчисли push button"]),
    ("calculate", ["space"], ["Сумата се формира от:", "/ 1/2 / 1/4 /",
                              "Изчислената дроб е: 48/64 / Проста дроб: 3/4"]),
    ("Tab to Изтрий", ["Tab"], ["Изтрий push button"]),
    ("erase", ["space"], ["Направете нов избор!"]),
    ("back to Изчисли", ["shift+Tab"], ["Изчисли push button"]),
    ("calculate nothing", ["space"], ["Липсва избрана част!"]),
]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout


def press(key):
    """A modifier stays down a moment after its key, as a hand's would: Orca
    reads the modifiers when the program's reaction arrives."""
    *mods, key = key.split("+")
    hold = [a for m in mods for a in ("keydown", m)]
    release = [a for m in mods for a in ("keyup", m)]
    xdotool(*hold, "key", key, *(["sleep", "0.3"] + release if mods else []))


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise RuntimeError(f"timed out waiting for {what}")


class Speech:
    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, encoding="utf-8") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def after(self, act):
        """Everything said from act() until Orca has been quiet a while."""
        start = len(self.lines())
        act()
        began = last_change = time.monotonic()
        count = start
        while time.monotonic() - began < LONGEST:
            time.sleep(0.05)
            now = len(self.lines())
            if now != count:
                count, last_change = now, time.monotonic()
            if count > start and time.monotonic() - last_change >= QUIET:
                break
        return self.lines()[start:]


def speech_dispatcher_config(home):
    """Debian's own settings, with the silent dummy voice on a null device."""
    folder = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(folder)
    skip = ("Include", "LogLevel", "LogDir", "AudioOutputMethod", "DefaultModule")
    with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as f:
        kept = [l for l in f if not l.strip().startswith(skip)]
    kept += ['AddModule "dummy" "sd_dummy" ""\n', 'AudioOutputMethod "alsa"\n',
             'AudioALSADevice "null"\n', 'DefaultModule "dummy"\n', 'LogLevel 0\n']
    with open(os.path.join(folder, "speechd.conf"), "w", encoding="utf-8") as f:
        f.writelines(kept)


def main():
    work = tempfile.mkdtemp()
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, ".config"),
               XDG_DATA_HOME=os.path.join(work, "data"), XDG_CACHE_HOME=os.path.join(work, "cache"),
               LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
    speech_dispatcher_config(work)
    socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    speech = Speech(os.path.join(work, "speech.txt"))
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    started = [subprocess.Popen(["speech-dispatcher", "-s", "-c", "unix_socket", "-S", socket,
                                 "-t", "0"], **quiet)]
    transcript = []
    try:
        wait_until(lambda: os.path.exists(socket), 10, "the speech server")
        started.append(subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "orca_tap.py"),
                                         speech.path], **quiet))
        wait_until(speech.lines, 40, "Orca to start speaking")
        time.sleep(1)
        program = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        started.append(program)
        window = wait_until(lambda: xdotool("search", "--onlyvisible", "--pid", str(program.pid)).split(),
                            20, "the window")[-1]
        failures = []
        for step, keys, expected in STEPS:
            if keys:
                said = speech.after(lambda: [press(k) for k in keys])
            else:
                said = speech.after(lambda: xdotool("windowfocus", "--sync", window))
            transcript.append((step, said))
            heard = "\n".join(said)
            failures += [f"{step}: Orca did not say {text!r}" for text in expected if text not in heard]
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait(timeout=10)
    if failures:
        for step, said in transcript:
            print(f"{step}:" + "".join(f"\n    {line}" for line in said))
        print("\n".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
