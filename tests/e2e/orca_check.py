#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a blind pupil hears: starts a speech server with a silent voice, the
screen reader Orca and then udjat, works the window with real X key events
(xdotool) and checks what Orca speaks at each step, and what the voice is
handed after the speech server's symbol processing, under an English and a
Bulgarian desktop. Prints the transcript when a check fails.

With --typical it checks only what the program itself says in the typical
use (each tick, the result, the erase prompt and the empty choice, each
heard once and handed to the voice in words), under a Bulgarian desktop:
what holds for every Orca, whose own words for roles and states change
from version to version.

usage: orca_check.py [--typical] path/to/udjat   (inside x11_session.sh)"""
import html
import os
import re
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
                                     "зеница, една четвърт",
                                     "знак на сокола, една шестдесет и четвърта"]),
    ("Tab to the report", ["Tab"], ["Отчет read only text"]),
    ("Tab, Tab to зеница", ["Tab", "Tab"], ["зеница check box not checked"]),
    ("tick зеница", ["space"], ["една четвърт, отметната"]),
    ("back to the larger part", ["shift+Tab"], ["по-голямата част от окото check box"]),
    ("tick it", ["space"], ["една втора, отметната"]),
    ("Tab to 1/4", ["Tab"], ["1/4 check box checked", "зеница, една четвърт"]),
    ("Tab on to Изчисли", ["Tab"] * 5, ["Изчисли push button"]),
    ("calculate", ["space"], ["Сумата се формира от една втора и една четвърт. "
                              "Изчислената дроб е четиридесет и осем шестдесет и четвърти. "
                              "Простата дроб е три четвърти."]),
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


# Steps whose speech is the program's own announcement or description: what
# the voice is handed there must hold no symbol it would spell out.
ANNOUNCEMENTS = {"tick зеница", "tick it", "calculate", "erase", "calculate nothing"}
ANNOUNCING = ANNOUNCEMENTS | {"Tab to the diagram"}
SYMBOL_WORDS = ["slash", "colon", "наклонена черта", "двоеточие", "/", ":"]


def speech_dispatcher_config(home, log_dir):
    """Debian's own settings, with the silent dummy voice on a null device,
    logging each message before and after its symbol processing."""
    folder = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(folder)
    skip = ("Include", "LogLevel", "LogDir", "AudioOutputMethod", "DefaultModule")
    with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as f:
        kept = [l for l in f if not l.strip().startswith(skip)]
    kept += ['AddModule "dummy" "sd_dummy" ""\n', 'AudioOutputMethod "alsa"\n',
             'AudioALSADevice "null"\n', 'DefaultModule "dummy"\n', 'LogLevel 5\n',
             f'LogDir "{log_dir}"\n']
    with open(os.path.join(folder, "speechd.conf"), "w", encoding="utf-8") as f:
        f.writelines(kept)


def squash(text):
    return " ".join(re.sub(r"<mark [^>]*/>|</?speak>", "", html.unescape(text)).split())


def voice_texts(log_dir):
    """{Orca's text: what the voice was handed}, from the speech server's log:
    its symbol processing's records "before: |SSML|" and "after: |SSML|" or,
    where it did none (speech-dispatcher 0.12), the message as it came in
    and as it was sent to the voice's module."""
    try:
        with open(os.path.join(log_dir, "speech-dispatcher.log"), encoding="utf-8",
                  errors="replace") as f:
            log = f.read()
    except FileNotFoundError:
        return {}
    voiced, waiting, sent, arrived = {}, [], {}, []
    for record in re.split(r"^\[[^\]\n]*\] speechd:\s*", log, flags=re.M):
        m = re.match(r"(before|after): \|(.*)\|\s*$", record, re.S)
        if m and m.group(1) == "before":
            waiting.append(squash(m.group(2)))
        elif m and waiting:
            voiced[waiting.pop(0)] = squash(m.group(2))
        m = re.match(r"MSG before index marking: \|(.*)\|, ssml_mode", record, re.S)
        if m:
            arrived.append(squash(m.group(1)))
        m = re.match(r"Command sent to output module: \|(<speak>.*)\|", record, re.S)
        if m and arrived:
            sent[arrived.pop(0)] = squash(m.group(1))
    return {**sent, **voiced}


def bulgarian_locale(work):
    """A Bulgarian desktop's locale, compiled into the test's own folder."""
    path = os.path.join(work, "locale")
    os.makedirs(path)
    subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8", os.path.join(path, "bg_BG.UTF-8")],
                   check=True, capture_output=True)
    return path


def session(program_path, locale, work, checked=None):
    """Plays STEPS in the folder work, checking the steps named in checked
    (all when None); returns the failures and the transcript."""
    log_dir = os.path.join(work, "speechd-log")
    os.makedirs(log_dir)
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, ".config"),
               XDG_DATA_HOME=os.path.join(work, "data"), XDG_CACHE_HOME=os.path.join(work, "cache"),
               LANG=locale, LC_ALL=locale, LANGUAGE="")
    if locale.startswith("bg"):
        env["LOCPATH"] = bulgarian_locale(work)
    speech_dispatcher_config(work, log_dir)
    socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    speech = Speech(os.path.join(work, "speech.txt"))
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    started = [subprocess.Popen(["speech-dispatcher", "-s", "-c", "unix_socket", "-S", socket,
                                 "-t", "0"], **quiet)]
    transcript, failures = [], []
    try:
        wait_until(lambda: os.path.exists(socket), 10, "the speech server")
        started.append(subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "orca_tap.py"),
                                         speech.path], **quiet))
        wait_until(speech.lines, 40, "Orca to start speaking")
        time.sleep(1)
        program = subprocess.Popen([program_path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        started.append(program)
        window = wait_until(lambda: xdotool("search", "--onlyvisible", "--pid", str(program.pid)).split(),
                            20, "the window")[-1]
        for step, keys, expected in STEPS:
            if keys:
                said = speech.after(lambda: [press(k) for k in keys])
            else:
                said = speech.after(lambda: xdotool("windowfocus", "--sync", window))
            transcript.append((step, said))
            if checked is not None and step not in checked:
                continue
            heard = "\n".join(said)
            # Orca's own words (roles, states) are English only under C.
            expected = [t for t in expected if locale.startswith("C") or not re.search("[A-Za-z]", t)]
            failures += [f"{step}: Orca did not say {text!r}" for text in expected if text not in heard]
            if step in ANNOUNCEMENTS:
                failures += [f"{step}: Orca said {text!r} {n} times" for text in expected
                             if (n := sum(text in line for line in said)) > 1]
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait(timeout=10)
    voiced = voice_texts(log_dir)
    for (step, said), (_, _, expected) in zip(list(transcript), STEPS):
        if step not in ANNOUNCING or (checked is not None and step not in checked):
            continue
        texts = [voiced.get(squash(line), "") for line in said]
        transcript.append((f"{step}, as voiced", texts))
        # Orca's own reading of a caption ("1/4") is the caption's; the
        # typical check holds the program's own words only.
        own = texts if checked is None else [t for t in texts if any(e in t for e in expected)]
        failures += [f"{step}: the voice was handed {text!r}" for text in own
                     if any(word in text for word in SYMBOL_WORDS)]
        failures += [f"{step}: the voice was not handed {text!r}" for text in expected
                     if not re.search("[A-Za-z]", text) and text not in " ".join(texts)]
    return [f"{locale}: {failure}" for failure in failures], transcript


def main():
    typical = sys.argv[1] == "--typical"
    failed = False
    for locale in ["bg_BG.UTF-8"] if typical else ["C.UTF-8", "bg_BG.UTF-8"]:
        with tempfile.TemporaryDirectory() as work:
            failures, transcript = session(sys.argv[-1], locale, work, ANNOUNCEMENTS if typical else None)
        if failures:
            failed = True
            print(f"--- {locale}")
            for step, said in transcript:
                print(f"{step}:" + "".join(f"\n    {line}" for line in said))
            print("\n".join(failures))
        elif typical:
            print(f"--- {locale}: what the voice was handed, each once")
            for step, texts in transcript:
                if step.endswith(", as voiced"):
                    print(f"  {step[:-len(', as voiced')]}: {' | '.join(t for t in texts if t)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
