#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Windows release under Wine, as a school's IT admin would use it:
the zip, the portable folder and the two installers small, the program one
file that needs no DLL beside it, with its licence texts; the version
resource read back with exiftool; the portable folder run from
another folder; the installer run silently, the installed program started,
the uninstaller run silently and nothing left behind. Saves a screenshot of
the window as it opens to SCREENSHOT.

usage: check_release.py BUILD_DIR VERSION SCREENSHOT   (on an X display)"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
import zlib

from Xlib import X, display

HERE = os.path.dirname(os.path.abspath(__file__))
WINE = [os.path.join(HERE, "wine-run.sh")]
TITLE = "История - амулет Уаджет"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\udjat"
# What the portable folder and its zip hold, and the most each download may
# weigh, so that Qt's DLLs or an untrimmed Qt coming back fails.
SHIPPED = ["LGPL-3.0.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "udjat.exe"]
DOWNLOADS = {"{}.zip": 6 << 20, "{}-setup.exe": 6 << 20, "{}.msi": 6 << 20}
# DLLs that Windows does not have, which a copy of udjat.exe would need beside it.
NOT_WINDOWS = ("qt6", "libstdc++", "libgcc", "libwinpthread")


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wine(*args, check=True):
    return subprocess.run(WINE + list(args), capture_output=True, text=True, timeout=120, check=check)


def wait_until(what, condition, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def find_window():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                           capture_output=True, text=True).stdout.split()
    return int(found[-1]) if found else None


def save_png(path, width, height, bgrx):
    rows = b"".join(b"\0" + bytes(px for i in range(y * width * 4, (y + 1) * width * 4, 4)
                                  for px in (bgrx[i + 2], bgrx[i + 1], bgrx[i]))
                    for y in range(height))
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data)))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def run_and_look(exe, screenshot=None):
    """Starts exe, waits for its window and checks it; ends it as a user would."""
    program = subprocess.Popen(WINE + [exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window_id = wait_until(f"the window of {exe}", find_window)
    conn = display.Display()
    window = conn.create_resource_object("window", window_id)
    name = subprocess.run(["xdotool", "getwindowname", str(window_id)],
                          capture_output=True, text=True).stdout.strip()
    if not name.endswith(" " + TITLE):
        fail(f"window titled {name!r}")
    time.sleep(1.5)  # let it paint
    geometry = window.get_geometry()
    print(f"  window {name!r}, {geometry.width} x {geometry.height}")
    if screenshot:
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        save_png(screenshot, geometry.width, geometry.height, image.data)
    wine("taskkill", "/IM", "udjat.exe", check=False)
    try:
        program.wait(timeout=30)
    except subprocess.TimeoutExpired:
        program.kill()
        fail(f"{exe} did not end when asked")
    return geometry


def check_one_file(build, name):
    portable = os.path.join(build, name)
    for pattern, limit in DOWNLOADS.items():
        size = os.path.getsize(os.path.join(build, pattern.format(name)))
        print(f"  {pattern.format(name)}: {size} bytes ({size / 1048576:.2f} MiB)")
        if size > limit:
            fail(f"{pattern.format(name)} is over {limit >> 20} MiB")
    folder = sorted(os.path.relpath(os.path.join(d, f), portable) for d, _, files in os.walk(portable) for f in files)
    with zipfile.ZipFile(os.path.join(build, name + ".zip")) as z:
        zipped = sorted(os.path.relpath(n, name) for n in z.namelist() if not n.endswith("/"))
    if folder != SHIPPED or zipped != SHIPPED:
        fail(f"the portable folder holds {folder} and the zip {zipped}, not {SHIPPED}")
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", os.path.join(portable, "udjat.exe")],
                          capture_output=True, text=True, check=True).stdout
    imports = [line.split(":", 1)[1].strip() for line in dump.splitlines() if "DLL Name:" in line]
    needed = [dll for dll in imports if dll.lower().startswith(NOT_WINDOWS)]
    if needed:
        fail(f"udjat.exe needs {needed} beside it")
    print(f"  portable: {', '.join(folder)}; udjat.exe imports only Windows' {', '.join(sorted(imports))}")


def main():
    build, version, screenshot = sys.argv[1:4]
    name = f"udjat-{version}-win64"
    portable = os.path.join(build, name)
    check_one_file(build, name)

    # The version resource, as Windows' file properties show it.
    fields = ["FileVersion", "ProductVersion", "ProductName", "FileVersionNumber"]
    values = subprocess.run(["exiftool", "-s3"] + [f"-{f}" for f in fields] + [os.path.join(portable, "udjat.exe")],
                            capture_output=True, text=True, check=True).stdout.splitlines()
    info = dict(zip(fields, values))
    print(f"  version resource: FileVersion {info.get('FileVersion')!r}, "
          f"ProductVersion {info.get('ProductVersion')!r}, ProductName {info.get('ProductName')!r}, "
          f"FileVersionNumber {info.get('FileVersionNumber')!r}")
    if info.get("FileVersion") != version or info.get("ProductVersion") != version:
        fail("the version resource does not carry " + version)

    # The portable folder works from wherever it is copied, as from a USB stick.
    stick = tempfile.mkdtemp()
    shutil.copytree(portable, os.path.join(stick, name))
    geometry = run_and_look(os.path.join(stick, name, "udjat.exe"), screenshot)
    shutil.rmtree(stick)
    if geometry.width < 461 or geometry.height < 374:
        fail(f"the window is smaller than its 461 x 374 client area")

    # Silent install, the installed program, silent uninstall.
    drive_c = os.path.join(os.environ.get("WINEPREFIX", os.path.join(build, "wine")), "drive_c")
    installed = os.path.join(drive_c, "Program Files", "udjat")
    shortcut = os.path.join(drive_c, "ProgramData", "Microsoft", "Windows", "Start Menu",
                            "Programs", "Уаджет.lnk")
    started = time.monotonic()
    wine(os.path.join(build, f"{name}-setup.exe"), "/S")
    wait_until("the installed program", lambda: os.path.exists(os.path.join(installed, "udjat.exe")))
    print(f"  installed silently in {time.monotonic() - started:.1f} s")
    if not os.path.exists(shortcut):
        fail("no Start-menu shortcut " + shortcut)
    listed = wine("reg", "query", UNINSTALL_KEY, "/v", "DisplayVersion", check=False).stdout
    if version not in listed:
        fail(f"installed programs do not list version {version}: {listed!r}")
    run_and_look(r"C:\Program Files\udjat\udjat.exe")

    wine(r"C:\Program Files\udjat\uninstall.exe", "/S")
    wait_until("the uninstaller to finish", lambda: not os.path.exists(installed))
    left = [p for p in (installed, shortcut) if os.path.exists(p)]
    if left or wine("reg", "query", UNINSTALL_KEY, check=False).returncode == 0:
        fail(f"the uninstaller left {left or UNINSTALL_KEY}")
    print("PASS: one small file, version resource, portable folder, silent install and uninstall")


if __name__ == "__main__":
    main()
