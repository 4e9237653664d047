#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up benchmark: runs the floor program and udjat in turn on one X
display, and reports the median time from process start until its window is
mapped (a MapNotify on the root window) and the peak resident memory (VmHWM)
half a second later.

usage: startup.py FLOOR UDJAT [RUNS]   (with DISPLAY set, e.g. in tests/e2e/x11_session.sh)
UDJAT_BENCH_RUNNER, if set, is the command that runs both (as under Wine).
"""
import os
import select
import shlex
import statistics
import subprocess
import sys
import time

from Xlib import X, display


def wait_for_map(conn, timeout):
    deadline = time.monotonic() + timeout
    while True:
        while conn.pending_events():
            event = conn.next_event()
            if event.type == X.MapNotify and not event.override:
                return time.monotonic()
        left = deadline - time.monotonic()
        if left <= 0:
            raise RuntimeError("no window was mapped")
        select.select([conn.fileno()], [], [], left)


def peak_memory_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    raise RuntimeError("no VmHWM")


def run_once(conn, program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    start = time.monotonic()
    runner = shlex.split(os.environ.get("UDJAT_BENCH_RUNNER", ""))
    proc = subprocess.Popen(runner + [program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        mapped = wait_for_map(conn, 20)
        time.sleep(0.5)
        memory = peak_memory_mib(proc.pid)
    finally:
        proc.terminate()
        proc.wait()
    conn.sync()
    while conn.pending_events():
        conn.next_event()
    return (mapped - start) * 1000, memory


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    programs = {"floor": sys.argv[1], "udjat": sys.argv[2]}
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 11

    conn = display.Display()
    conn.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    conn.sync()

    results = {name: [] for name in programs}
    for name, program in programs.items():  # one warm-up each, not counted
        run_once(conn, program)
    for _ in range(runs):
        for name, program in programs.items():
            results[name].append(run_once(conn, program))

    medians = {}
    print(f"{'program':8} {'mapped (ms)':>12} {'peak RSS (MiB)':>15}   ({runs} runs each, medians)")
    for name, samples in results.items():
        ms = statistics.median(s[0] for s in samples)
        mib = statistics.median(s[1] for s in samples)
        medians[name] = (ms, mib)
        print(f"{name:8} {ms:12.1f} {mib:15.1f}")
    (floor_ms, floor_mib), (udjat_ms, udjat_mib) = medians["floor"], medians["udjat"]
    print(f"udjat / floor: {udjat_ms / floor_ms:.2f} x start-up, "
          f"{udjat_mib - floor_mib:+.1f} MiB peak memory")


if __name__ == "__main__":
    main()
