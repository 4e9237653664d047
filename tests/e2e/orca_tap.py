#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Debian's Orca (/usr/bin/orca) in this process and writes every text it
hands to its speech server to SPEECH, one utterance a line (line breaks inside
one as " / "). What Orca says is unchanged; it only skips Orca's "another Orca
is running for this user" check, so a test never meets a pupil's own Orca.

usage: orca_tap.py SPEECH"""
import sys

speech = open(sys.argv[1], "w", encoding="utf-8", buffering=1)
ORCA = "/usr/bin/orca"
sys.argv = [ORCA]
orca = {"__name__": "orca_tap", "__file__": ORCA}
exec(compile(open(ORCA, encoding="utf-8").read(), ORCA, "exec"), orca)
orca["otherOrcas"] = lambda: []
orca["setProcessName"] = lambda name: None

from orca import speechdispatcherfactory  # noqa: E402

Server = speechdispatcherfactory.SpeechServer
speak = Server._speak


def tapped(self, text, acss, **kwargs):
    if isinstance(text, str):
        speech.write(text.replace("\n", " / ") + "\n")
    return speak(self, text, acss, **kwargs)


Server._speak = tapped
sys.exit(orca["main"]())
