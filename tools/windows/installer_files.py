#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the portable folder for the two installers, so each removes exactly
what it installed: for NSIS, the files to install and to delete (with the
folders, removed only when empty) and the installed size, in OUTDIR/*.nsh;
for the Windows Installer, OUTDIR/udjat.wxs from udjat.wxs.in, built with
wixl into MSI (wixl takes only relative paths). Every identifier and GUID is
derived from the fixed UpgradeCode and the file's path, so the same folder
always gives the same listing, and a component keeps its GUID across versions.

usage: installer_files.py PORTABLE OUTDIR MSI --version V --product NAME
                          --publisher NAME --icon ICO --homepage URL"""
import argparse
import os
import re
import string
import subprocess
import uuid
from xml.sax.saxutils import quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))
DOWNGRADE = "На този компютър вече е инсталирана по-нова версия на {}."


def listing(portable):
    """(folder, file) pairs relative to the portable folder, in a fixed order."""
    found = []
    for folder, dirs, files in os.walk(portable):
        dirs.sort()
        rel = os.path.relpath(folder, portable)
        found += [("" if rel == "." else rel, name) for name in sorted(files)]
    return found


def size_kb(portable, files):
    size = sum(os.path.getsize(os.path.join(portable, folder, name)) for folder, name in files)
    return (size + 1023) // 1024


def win(*parts):
    return "\\".join(p.replace("/", "\\") for p in parts if p)


def nsis(portable, files, out, a):
    release = os.path.basename(portable)
    with open(os.path.join(out, "install-files.nsh"), "w", encoding="utf-8") as f:
        current = None
        for folder, name in files:
            if folder != current:
                f.write(f'SetOutPath "{win("$INSTDIR", folder)}"\n')
                current = folder
            f.write(f'File "{win(release, folder, name)}"\n')
    folders = sorted({folder for folder, _ in files if folder}, key=lambda d: (-d.count("/"), d))
    with open(os.path.join(out, "uninstall-files.nsh"), "w", encoding="utf-8") as f:
        f.writelines(f'Delete "{win("$INSTDIR", folder, name)}"\n' for folder, name in files)
        f.writelines(f'RMDir "{win("$INSTDIR", folder)}"\n' for folder in folders)
    with open(os.path.join(out, "release.nsh"), "w", encoding="utf-8") as f:
        f.write(f'!define PRODUCT "{a.product}"\n!define PUBLISHER "{a.publisher}"\n'
                f"!define INSTALLED_SIZE_KB {size_kb(portable, files)}\n")


def wix(portable, files, out, a):
    template = string.Template(open(os.path.join(HERE, "udjat.wxs.in"), encoding="utf-8").read())
    upgrade = uuid.UUID(re.search(r'UpgradeCode="\{([0-9a-f-]+)\}"', template.template).group(1))
    guid = lambda name: "{%s}" % str(uuid.uuid5(upgrade, name)).upper()
    ident = lambda kind, path: kind + "_" + uuid.uuid5(upgrade, path).hex[:20]

    lines, refs = [], []
    def emit(folder, depth):
        pad = "  " * (depth + 5)
        for name in [n for d, n in files if d == folder]:
            path = "/".join(p for p in (folder, name) if p)
            component = ident("c", path)
            refs.append(f'      <ComponentRef Id="{component}"/>')
            lines.append(f'{pad}<Component Id="{component}" Guid="{guid("component:" + path)}" Win64="yes">')
            lines.append(f'{pad}  <File Id="{ident("f", path)}" Name={quoteattr(name)} '
                         f'Source={quoteattr(os.path.relpath(os.path.join(portable, folder, name), out))} KeyPath="yes"/>')
            lines.append(f'{pad}</Component>')
        children = sorted({d for d, _ in files if os.path.dirname(d) == folder and d != folder})
        for child in children:
            lines.append(f'{pad}<Directory Id="{ident("d", child)}" Name={quoteattr(os.path.basename(child))}>')
            emit(child, depth + 1)
            lines.append(f'{pad}</Directory>')
    emit("", 0)

    text = template.substitute(
        product=a.product, publisher=a.publisher, version=a.version, homepage=a.homepage,
        icon=os.path.relpath(a.icon, out), downgrade_message=DOWNGRADE.format(a.product),
        size_kb=size_kb(portable, files),
        product_code=guid("product:" + a.version), package_code=guid("package:" + a.version),
        shortcut_guid=guid("component:start-menu-shortcut"),
        directories="\n".join(lines), component_refs="\n".join(refs))
    with open(os.path.join(out, "udjat.wxs"), "w", encoding="utf-8") as f:
        f.write(text)
    return guid("package:" + a.version)


def msi(out, a, package_code):
    """wixl, then what it cannot do itself: it drops every Cyrillic string
    from the tables (the database keeps codepage 0), ignores the package's
    language and schedules Before=InstallValidate first of all."""
    wxs = os.path.join(out, "udjat.wxs")
    target = a.msi
    subprocess.run(["wixl", "--arch", "x64", "--output", target, wxs], check=True)
    with open(os.path.join(out, "_ForceCodepage.idt"), "w", encoding="ascii") as f:
        f.write("\n\n1251\t_ForceCodepage\n")
    sql = [
        f"UPDATE Property SET Value = '{a.product}' WHERE Property = 'ProductName'",
        # A long name wants a short one beside it; the shortcut is Уаджет.lnk.
        f"UPDATE Shortcut SET Name = 'UDJAT|{a.product}' WHERE Shortcut = 'StartMenuShortcut'",
        f"UPDATE LaunchCondition SET Description = '{DOWNGRADE.format(a.product)}' "
        "WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'",
        # Once CostFinalize (1000) has resolved the folder.
        "UPDATE InstallExecuteSequence SET Sequence = 1010 WHERE Action = 'SetInstallLocation'",
    ]
    msibuild = lambda *args: subprocess.run(["msibuild", target, *args], check=True)
    msibuild("-i", os.path.join(out, "_ForceCodepage.idt"))
    for query in sql:
        msibuild("-q", query)
    msibuild("-s", f"{a.product} {a.version}", a.publisher, "x64;1026", package_code)


def main():
    parser = argparse.ArgumentParser()
    for positional in ("portable", "out", "msi"):
        parser.add_argument(positional)
    for option in ("version", "product", "publisher", "icon", "homepage"):
        parser.add_argument("--" + option, required=True)
    a = parser.parse_args()
    files = listing(a.portable)
    nsis(a.portable, files, a.out, a)
    msi(a.out, a, wix(a.portable, files, a.out, a))


if __name__ == "__main__":
    main()
