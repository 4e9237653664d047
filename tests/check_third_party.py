#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The third-party notices of a static build: each linker's map format read,
each kind of linked file given its notice, and a link without one refused.

usage: check_third_party.py SOURCE_DIR"""
import json
import os
import subprocess
import sys
import tempfile

QT = '/qt'  # the Qt prefix as the maps below name it
RECORD = {
    'components': {
        'zlib': {'name': 'zlib', 'version': '1.2.13', 'licence': 'Zlib', 'copyright': '(C) Gailly', 'text': 'ZLIB TEXT'},
        'md5': {'name': 'MD5', 'version': '', 'licence': 'Public Domain', 'copyright': 'Colin Plumb', 'text': ''},
        'fonts': {'name': 'DejaVu', 'version': '', 'licence': 'Bitstream Vera', 'copyright': '', 'text': 'FONT TEXT'},
        'bare': {'name': 'Bare', 'version': '', 'licence': '', 'copyright': '', 'text': ''},
    },
    'objects': {'deflate.c.obj': ['zlib'], 'qcryptographichash.cpp.o': ['md5'],
                'qrc_wasmfonts.cpp.o': ['fonts'], 'bare.c.o': ['bare']},
}
GCC = '/usr/lib/gcc/x86_64-w64-mingw32/12-posix'

# name, map lines, then the notices written and texts they hold, or the
# error the link must fail with
CASES = [
    ('GNU ld archive member', f'{QT}/lib/libQt6Core.a(deflate.c.obj)\n', 1, ['zlib 1.2.13', 'ZLIB TEXT'], None),
    ('older GNU ld form', f'({QT}/lib/libQt6Core.a)deflate.c.obj\n', 1, ['ZLIB TEXT'], None),
    ('wasm-ld member', f'   5 5 1   {QT}/lib/libQt6Core.a(qcryptographichash.cpp.o):(md5)\n',
     1, ['MD5 (in Qt)', 'Colin Plumb'], None),
    ('a resource object linked by path', f' .data 0x1 0x2 {QT}/lib/objects-Release/x/.rcc/qrc_wasmfonts.cpp.o:(.data)\n',
     1, ['FONT TEXT'], None),
    ('one notice however often linked', f'{QT}/lib/libQt6Core.a(deflate.c.obj)\n{QT}/lib/libQt6Gui.a(deflate.c.obj)\n',
     1, ['ZLIB TEXT'], None),
    ('Qt code of its own carries no extra notice', f'{QT}/lib/libQt6Core.a(qstring.cpp.obj)\n', 0, [], None),
    ('the program\'s own libraries', 'window/libwindow.a(main_form.cpp.obj)\n', 0, [], None),
    ('the program\'s own objects', ' 5 5 1  assets/CMakeFiles/a.dir/./.rcc/qrc_udjat_assets.cpp.o:(.data)\n', 0, [], None),
    ('a component with neither text nor copyright', f'{QT}/lib/libQt6Gui.a(bare.c.o)\n', 0, [], 'bare'),
    ('an archive from nowhere known', '/opt/vendor/libshiny.a(shiny.o)\n', 0, [], '/opt/vendor/libshiny.a'),
]
if os.path.isfile('/usr/share/doc/gcc-mingw-w64-base/copyright'):
    CASES.append(('the MinGW runtime', f'{GCC}/libstdc++.a(eh_throw.o)\n'
                  f'{GCC}/../../../../x86_64-w64-mingw32/lib/libwinpthread.a(thread.o)\n',
                  2, ['GCC Runtime Library Exception', 'mingw-w64 winpthreads'], None))


def main():
    script = os.path.join(sys.argv[1], 'tools', 'third_party.py')
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        prefix = os.path.join(tmp, 'qt')
        os.makedirs(os.path.join(prefix, 'share', 'udjat'))
        with open(os.path.join(prefix, 'share', 'udjat', 'qt-third-party.json'), 'w') as f:
            json.dump(RECORD, f)
        for name, lines, sections, wanted, error in CASES:
            map_path, out = os.path.join(tmp, 'link.map'), os.path.join(tmp, 'NOTICES.txt')
            with open(map_path, 'w') as f:
                f.write(lines.replace(QT, prefix))
            if os.path.exists(out):
                os.remove(out)
            run = subprocess.run([sys.executable, script, 'notices', map_path, prefix, out],
                                 capture_output=True, text=True)
            if error:
                ok = run.returncode != 0 and error in run.stderr and not os.path.exists(out)
                got = run.stderr.strip() or 'success'
            else:
                text = open(out).read() if run.returncode == 0 else ''
                ok = run.returncode == 0 and text.count('=' * 72) == sections and all(w in text for w in wanted)
                got = run.stderr.strip() or f"{text.count('=' * 72)} notices written"
            print(f"{'PASS' if ok else 'FAIL'}: {name}: {got}")
            failures += not ok
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
