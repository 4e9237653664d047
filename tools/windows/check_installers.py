#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The two installers under Wine, on the paths where an install can lose
data or leave things behind, as a school's IT admin meets them:
- every shipped .exe and .dll is relocatable with ASLR and DEP on;
- NSIS: a teacher's files in the chosen folder survive the uninstall; a
  second silent install goes where the first went; an install over the
  running program is refused; an uninstall while it runs removes nothing
  until it ends, then everything;
- MSI: a silent install that starts, an upgrade by a newer version (one
  entry remains), a downgrade refused, a silent removal, and drive C: and
  the uninstall registry as they were before.

usage: check_installers.py BUILD_DIR VERSION   (on an X display)"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from check_release import HERE, fail, run_and_look, wait_until, wine

UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
PRODUCT = "Уаджет"
PE_FLAGS = ["DYNAMIC_BASE", "NX_COMPAT", "HIGH_ENTROPY_VA"]


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def pe_flags(path):
    """What keeps a PE file from being exploited: ASLR (with a relocation
    table to make it work), DEP and high-entropy addresses."""
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], capture_output=True,
                          text=True, check=True).stdout
    flags = [f for f in PE_FLAGS if f"\t{f}" in dump]
    relocs = [l.split() for l in dump.splitlines() if "Base Relocation Directory" in l]
    stripped = any(l.startswith("\tRELOCS_STRIPPED") or l.strip() == "relocations stripped"
                   for l in dump.splitlines())
    if relocs and int(relocs[0][3], 16) > 0 and not stripped:
        flags.append("relocations")
    return flags


MANIFESTS = {  # what each program's manifest must declare
    "udjat.exe": [b'level="asInvoker"', b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", b"PerMonitorV2"],
    "setup.exe": [b'level="requireAdministrator"', b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
                  b"PerMonitorV2"],
}


def check_manifest(path, wanted):
    """The manifest resource is stored as its XML text."""
    with open(path, "rb") as f:
        data = f.read()
    missing = [w.decode() for w in wanted if w not in data]
    if missing:
        fail(f"the manifest of {path} does not declare {missing}")
    print(f"  {os.path.basename(path)} manifest: {', '.join(w.decode() for w in wanted)}")


def check_pe(build, name):
    portable = os.path.join(build, name)
    shipped = [os.path.join(folder, f) for folder, _, files in os.walk(portable)
               for f in files if f.lower().endswith((".exe", ".dll"))]
    setup = os.path.join(build, f"{name}-setup.exe")
    for path in sorted(shipped) + [setup]:
        flags = pe_flags(path)
        print(f"  {os.path.relpath(path, build)}: {' '.join(flags)}")
        # NSIS links its installer and uninstaller stubs without a relocation
        # table on purpose (its bug 1283), and they are prebuilt; the flags are set.
        wanted = PE_FLAGS if path == setup else PE_FLAGS + ["relocations"]
        missing = [f for f in wanted if f not in flags]
        if missing:
            fail(f"{path} lacks {missing}")
    check_manifest(os.path.join(portable, "udjat.exe"), MANIFESTS["udjat.exe"])
    check_manifest(setup, MANIFESTS["setup.exe"])


def drive_c_listing(drive_c):
    """Every file and folder on drive C:, but Wine's and Windows' own scratch."""
    scratch = ("windows/temp", "windows/logs", "users/", "windows/installer")
    found = set()
    for folder, dirs, files in os.walk(drive_c):
        for name in dirs + files:
            rel = os.path.relpath(os.path.join(folder, name), drive_c)
            if not rel.lower().startswith(scratch):
                found.add(rel)
    return found


def uninstall_entries():
    """{key: {value: data}} of the installed programs' list, read from an
    export: reg query prints Cyrillic in the console's codepage, as "?"."""
    with tempfile.TemporaryDirectory() as folder:
        export = os.path.join(folder, "uninstall.reg")
        wine("reg", "export", UNINSTALL, windows_path(export), "/y")
        with open(export, encoding="utf-16") as f:
            text = f.read()
    entries, key = {}, None
    for line in text.splitlines():
        if line.startswith("[") and line.endswith("]"):
            key = line[1:-1].rsplit("\\", 1)[-1]
            entries[key] = {}
        elif key and line.startswith('"') and "=" in line:
            name, value = line.split("=", 1)
            entries[key][name.strip('"')] = value.strip('"').replace("\\\\", "\\")
    return entries


def ours(entries):
    return {k: v for k, v in entries.items() if v.get("DisplayName") == PRODUCT}


def check_nsis(build, name, drive_c):
    setup = os.path.join(build, f"{name}-setup.exe")
    school = os.path.join(drive_c, "Училище")
    grades = os.path.join(school, "Оценки", "клас-5а.txt")
    os.makedirs(os.path.dirname(grades))
    with open(grades, "w", encoding="utf-8") as f:
        f.write("Иван 6\nМария 6\n")

    wine(setup, "/S", r"/D=C:\Училище")
    installed = sorted(os.path.relpath(os.path.join(d, f), school)
                       for d, _, files in os.walk(school) for f in files)
    if "udjat.exe" not in installed:
        fail(f"nothing installed into a folder that holds other files: {installed}")

    # An update with no folder given goes where the last install went.
    wine(setup, "/S")
    orphan = os.path.join(drive_c, "Program Files", "udjat")
    if os.path.exists(orphan) or len(ours(uninstall_entries())) != 1:
        fail("a second silent install made a second copy")
    print("  a second silent install updated C:\\Училище; no second copy")

    # Updating or uninstalling while a pupil still has the program open.
    program = subprocess.Popen([os.path.join(HERE, "wine-run.sh"), r"C:\Училище\udjat.exe"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_until("the program's window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", PRODUCT], capture_output=True).stdout)
    code = wine(setup, "/S", check=False).returncode
    if code == 0:
        fail("an install over the running program reported success")
    print(f"  install over the running program: refused, exit code {code}")
    uninstall = subprocess.Popen([os.path.join(HERE, "wine-run.sh"), os.path.join(school, "uninstall.exe"),
                                  "/S"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(8)
    left = [f for f in installed if not os.path.exists(os.path.join(school, f))]
    if left or not ours(uninstall_entries()):
        fail(f"uninstalled half while the program ran: {left or 'the entry'} gone")
    print("  uninstall while the program runs: nothing removed while it runs "
          f"(uninstaller {'waiting' if uninstall.poll() is None else f'ended with {uninstall.returncode}'})")
    wine("taskkill", "/IM", "udjat.exe", check=False)
    program.wait(timeout=30)
    code = uninstall.wait(timeout=90)
    wait_until("the uninstall to finish once the program ended",
               lambda: not os.path.exists(os.path.join(school, "udjat.exe")), timeout=60)
    print(f"  ... and once it ended, the uninstall finished (exit code {code})")
    wait_until("the uninstaller's own file to go",
               lambda: not os.path.exists(os.path.join(school, "uninstall.exe")), timeout=30)

    remaining = sorted(os.path.relpath(os.path.join(d, f), school)
                       for d, dirs, files in os.walk(school) for f in files + dirs)
    if remaining != ["Оценки", os.path.join("Оценки", "клас-5а.txt")] or ours(uninstall_entries()):
        fail(f"the uninstall left {remaining} in the teacher's folder")
    print("  uninstall: the teacher's files stay, udjat's are gone, entry removed")
    shutil.rmtree(school)


def build_msi(build, name, version, out):
    subprocess.run(["/usr/bin/python3", os.path.join(HERE, "installer_files.py"),
                    os.path.join(build, name), out, os.path.join(out, "udjat.msi"),
                    "--version", version, "--product", PRODUCT,
                    "--publisher", "The udjat developers",
                    "--icon", os.path.join(HERE, "..", "..", "assets", "icon.ico"),
                    "--homepage", "https://udjat.example.org"], check=True)
    return os.path.join(out, "udjat.msi")


def msiexec(*args):
    return wine("msiexec", *args, check=False).returncode


def check_msi(build, name, version, drive_c):
    msi = os.path.join(build, f"{name}.msi")
    before, entries_before = drive_c_listing(drive_c), uninstall_entries()
    started = time.monotonic()
    if msiexec("/i", windows_path(msi), "/qn") != 0:
        fail("msiexec /i /qn failed")
    print(f"  MSI installed silently in {time.monotonic() - started:.1f} s")
    entry = list(ours(uninstall_entries()).values())
    if len(entry) != 1 or entry[0].get("DisplayVersion") != version:
        fail(f"installed programs list {entry}")
    print("  entry:", {k: entry[0][k] for k in sorted(entry[0]) if k in (
        "DisplayName", "DisplayVersion", "Publisher", "InstallLocation", "EstimatedSize",
        "NoModify", "NoRepair", "DisplayIcon")})
    shortcuts = [os.path.join(d, f) for d, _, files in os.walk(drive_c) for f in files
                 if f == f"{PRODUCT}.lnk"]
    if not shortcuts:
        fail("no Start-menu shortcut")
    run_and_look(r"C:\Program Files\udjat\udjat.exe")

    with tempfile.TemporaryDirectory() as newer:
        major, minor = version.split(".")
        newer_version = f"{major}.{int(minor) + 1:0{len(minor)}d}"
        newer_msi = build_msi(build, name, newer_version, newer)
        if msiexec("/i", windows_path(newer_msi), "/qn") != 0:
            fail("the upgrade failed")
        entries = list(ours(uninstall_entries()).values())
        if [e.get("DisplayVersion") for e in entries] != [newer_version]:
            fail(f"after the upgrade the list holds {entries}")
        print(f"  upgrade to {newer_version}: one entry remains")
        code = msiexec("/i", windows_path(msi), "/qn")
        if code == 0 or [e.get("DisplayVersion") for e in ours(uninstall_entries()).values()] != [newer_version]:
            fail("an older version installed over a newer one")
        # Wine hands on msiexec's 1603 cut to 8 bits, as 67.
        print(f"  downgrade to {version} refused (exit code {code}"
              f"{', that is 1603' if code == 1603 & 0xFF else ''})")
        if msiexec("/x", windows_path(newer_msi), "/qn") != 0:
            fail("msiexec /x /qn failed")

    after, entries_after = drive_c_listing(drive_c), uninstall_entries()
    if after != before or entries_after != entries_before:
        fail(f"left behind: {sorted(after - before)}, gone: {sorted(before - after)}, "
             f"entries {set(entries_after) ^ set(entries_before)}")
    print(f"  removed: drive C: ({len(after)} paths) and the uninstall list "
          f"({len(entries_after)} entries) as before")


def main():
    build, version = sys.argv[1:3]
    name = f"udjat-{version}-win64"
    drive_c = os.path.join(os.environ.get("WINEPREFIX", os.path.join(build, "wine")), "drive_c")
    print("PE flags of what ships:")
    check_pe(build, name)
    print("NSIS installer:")
    check_nsis(build, name, drive_c)
    print("Windows Installer package:")
    check_msi(build, name, version, drive_c)
    print("PASS: PE flags, NSIS on a teacher's folder and a running program, MSI install, "
          "upgrade, downgrade and removal")


if __name__ == "__main__":
    main()
