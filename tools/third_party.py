#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The third-party code inside a statically linked udjat, and its notices.

record QT_WORK PREFIX
    Run where Qt was just built: reads every qt_attribution.json of the
    sources and ninja's record of what each object file was compiled from,
    and keeps in PREFIX, beside that Qt, which object files carry which
    component and each component's notice.

notices MAP QT_PREFIX OUT
    Reads the linker's map of a program, finds every archive member that went
    into it, and writes OUT: one notice for each component linked in. Fails
    when a linked archive or component has no notice.
"""
import json
import os
import re
import subprocess
import sys

RECORD = 'share/udjat/qt-third-party.json'

# Runtime archives outside Qt, by where they live and what they are called,
# with the file that carries their notice. The first row that matches wins.
RUNTIMES = [
    (r'/x86_64-w64-mingw32/lib/libwinpthread', 'mingw-w64 winpthreads',
     '/usr/share/doc/mingw-w64-common/copyright'),
    (r'/gcc/x86_64-w64-mingw32/', 'GCC runtime libraries (libstdc++, libgcc), '
     'GPL-3.0 with the GCC Runtime Library Exception', '/usr/share/doc/gcc-mingw-w64-base/copyright'),
    (r'/x86_64-w64-mingw32/lib/', 'mingw-w64 runtime and import libraries',
     '/usr/share/doc/mingw-w64-common/copyright'),
    (r'/wasm32-emscripten/', 'Emscripten runtime (musl, libc++, libc++abi, compiler-rt, dlmalloc)',
     '/usr/share/doc/emscripten/copyright'),
]


def read(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        return f.read()


def attributions(root):
    """Each component of the sources under root: its id, notice and scope."""
    for top, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if d not in ('doc', 'tests', 'examples')]
        if 'qt_attribution.json' not in files:
            continue
        entries = json.loads(read(os.path.join(top, 'qt_attribution.json')), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            licence_files = entry.get('LicenseFiles') or [entry.get('LicenseFile')]
            texts = [read(os.path.join(top, f)) for f in licence_files
                     if f and os.path.isfile(os.path.join(top, f))]
            if entry.get('Path'):
                scope = [entry['Path']]
            elif entry.get('Files'):
                scope = re.split(r'[\s,]+', entry['Files'].strip())
            else:
                scope = ['']
            yield entry['Id'], {
                'name': entry.get('Name', entry['Id']),
                'version': entry.get('Version', ''),
                'licence': entry.get('License', ''),
                'copyright': entry.get('Copyright', ''),
                'text': '\n'.join(texts),
            }, [os.path.normpath(os.path.join(top, s)) for s in scope]


def ninja_deps(build_dir):
    """What each target of a ninja build was made from, as absolute paths."""
    out = subprocess.run(['ninja', '-C', build_dir, '-t', 'deps'], check=True,
                         capture_output=True, text=True).stdout
    deps, target = {}, None
    for line in out.splitlines():
        if not line.strip():
            continue
        if not line.startswith(' '):
            target = os.path.normpath(os.path.join(build_dir, line.split(':')[0]))
            deps[target] = []
        else:
            deps[target].append(os.path.normpath(os.path.join(build_dir, line.strip())))
    return deps


def resource_inputs(build_dir):
    """The files each generated resource source was made from, as its .qrc
    lists them: ninja keeps no record of those."""
    found = {}
    for top, _, files in os.walk(build_dir):
        if os.path.basename(top) != '.rcc':
            continue
        for name in files:
            if name.endswith('.qrc'):
                listed = re.findall(r'<file[^>]*>([^<]+)</file>', read(os.path.join(top, name)))
                found[os.path.join(top, 'qrc_' + name[:-4] + '.cpp')] = [os.path.normpath(f) for f in listed]
    return found


def record(work, prefix):
    components, scopes, deps = {}, [], {}
    for tree in ('qtbase', 'qtsvg'):
        for cid, notice, scope in attributions(os.path.join(work, tree, 'src')):
            components[cid] = notice
            scopes += [(path, cid) for path in scope]
        deps.update(ninja_deps(os.path.join(work, tree + '-build')))
        deps.update(resource_inputs(os.path.join(work, tree + '-build')))

    def sources(target, seen):
        # A generated source (a resource, say) brings what it was made from.
        for dep in deps.get(target, []):
            if dep not in seen:
                seen.add(dep)
                sources(dep, seen)
        return seen

    objects = {}
    for target in deps:
        if not re.search(r'\.(o|obj)$', target):
            continue
        ids = {cid for dep in sources(target, set()) for path, cid in scopes
               if dep == path or dep.startswith(path + os.sep)}
        if ids:
            member = os.path.basename(target)
            objects[member] = sorted(set(objects.get(member, [])) | ids)
    os.makedirs(os.path.dirname(os.path.join(prefix, RECORD)), exist_ok=True)
    with open(os.path.join(prefix, RECORD), 'w', encoding='utf-8') as f:
        json.dump({'components': components, 'objects': objects}, f, indent=1, sort_keys=True)


def linked_members(map_text):
    """(archive, member) for every archive member in a GNU ld or wasm-ld map,
    and (object, its file name) for each object file linked by its path: a
    static Qt's resources and plugin initialisers are such files."""
    pairs = set(re.findall(r'([^\s()]+\.a)\(([^()\s]+)\)', map_text))
    pairs |= {(a, m) for a, m in re.findall(r'\(([^\s()]+\.a)\)([^\s()]+)', map_text)}
    pairs |= {(o, os.path.basename(o)) for o in re.findall(r'(?:^|(?<=\s))(/[^\s():]+\.(?:o|obj))(?=[\s:]|$)', map_text, re.M)}
    return pairs


def notices(map_path, qt_prefix, out_path):
    qt = json.loads(read(os.path.join(qt_prefix, RECORD)))
    qt_root = os.path.realpath(qt_prefix) + os.sep
    qt_ids, runtimes, unknown = set(), {}, set()
    for archive, member in linked_members(read(map_path)):
        path = os.path.realpath(archive) if os.path.isabs(archive) else archive
        if path.startswith(qt_root):
            qt_ids.update(qt['objects'].get(member, []))
            continue
        if not os.path.isabs(archive):
            continue  # the program's own libraries, relative to its build
        row = next((r for r in RUNTIMES if re.search(r[0], path)), None)
        if row:
            runtimes[row[1]] = row[2]
        else:
            unknown.add(path)
    missing = sorted(cid for cid in qt_ids if not (qt['components'][cid]['text']
                     or qt['components'][cid]['copyright']))
    missing += sorted(unknown) + sorted(n for n in runtimes.values() if not os.path.isfile(n))
    if missing:
        sys.exit('linked in without a notice: ' + ', '.join(missing))

    parts = ['Third-party code inside this program, each with its notice.\n'
             'Qt itself is under the LGPL-3.0: see LGPL-3.0.txt.\n']
    for cid in sorted(qt_ids, key=lambda c: qt['components'][c]['name'].lower()):
        c = qt['components'][cid]
        head = ' '.join(filter(None, [c['name'], c['version']]))
        parts.append(f"{'=' * 72}\n{head} (in Qt)\nLicence: {c['licence']}\n{c['copyright']}\n\n{c['text']}")
    for name, path in sorted(runtimes.items()):
        parts.append(f"{'=' * 72}\n{name}\n\n{read(path)}")
    with open(out_path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(parts))


if __name__ == '__main__':
    commands = {'record': (record, 2), 'notices': (notices, 3)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands or len(sys.argv) != commands[sys.argv[1]][1] + 2:
        sys.exit(__doc__)
    commands[sys.argv[1]][0](*sys.argv[2:])
