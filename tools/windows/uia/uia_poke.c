/*
 * SPDX-FileCopyrightText: 2026 The udjat developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * A screen reader's first contact: asks every top-level window whose title
 * ends with the given text for its UI Automation root, which switches on the
 * program's accessibility bridge. Exits 1 when no such window answers.
 * usage: uia_poke.exe TITLE-ENDING
 */
#include <windows.h>
#include <wchar.h>

static const WCHAR *ending;
static int found;

static BOOL CALLBACK poke(HWND window, LPARAM unused)
{
    WCHAR title[512];
    size_t length, tail = wcslen(ending);
    DWORD_PTR result;
    (void)unused;
    length = (size_t)GetWindowTextW(window, title, 512);
    if (length >= tail && wcscmp(title + length - tail, ending) == 0
        && SendMessageTimeoutW(window, WM_GETOBJECT, 0, (LPARAM)(LONG)-25 /* UiaRootObjectId */,
                               SMTO_ABORTIFHUNG, 5000, &result))
        ++found;
    return TRUE;
}

int wmain(int argc, WCHAR **argv)
{
    if (argc != 2)
        return 2;
    ending = argv[1];
    EnumWindows(poke, 0);
    return found ? 0 : 1;
}
