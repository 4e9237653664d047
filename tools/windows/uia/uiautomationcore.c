/*
 * SPDX-FileCopyrightText: 2026 The udjat developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * A stand-in for Windows' UIAutomationCore.dll, for tests under Wine: it
 * says a client listens, as when a screen reader runs, and writes every
 * event, property change and notification the program raises to the file
 * named in UDJAT_UIA_LOG, one a line, with the sender's UIA name:
 *   notification<TAB>sender<TAB>text
 *   event <id><TAB>sender
 *   property <id><TAB>sender<TAB>new value, where it is text
 */
#define COBJMACROS
#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

enum { NamePropertyId = 30005 };

static void put(HANDLE file, const WCHAR *text)
{
    char utf8[4096];
    int n = text ? WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL) : 0;
    DWORD written;
    if (n > 1)
        WriteFile(file, utf8, (DWORD)(n - 1), &written, NULL);
}

static void record(IRawElementProviderSimple *sender, const WCHAR *kind, const WCHAR *text)
{
    WCHAR path[MAX_PATH];
    VARIANT name;
    HANDLE file;
    DWORD written;
    if (!GetEnvironmentVariableW(L"UDJAT_UIA_LOG", path, MAX_PATH))
        return;
    file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    VariantInit(&name);
    if (sender)
        IRawElementProviderSimple_GetPropertyValue(sender, NamePropertyId, &name);
    put(file, kind);
    WriteFile(file, "\t", 1, &written, NULL);
    put(file, V_VT(&name) == VT_BSTR ? V_BSTR(&name) : L"");
    if (text) {
        WriteFile(file, "\t", 1, &written, NULL);
        put(file, text);
    }
    WriteFile(file, "\n", 1, &written, NULL);
    VariantClear(&name);
    CloseHandle(file);
}

BOOL WINAPI UiaClientsAreListening(void)
{
    return TRUE;
}

LRESULT WINAPI UiaReturnRawElementProvider(HWND hwnd, WPARAM wParam, LPARAM lParam,
                                           IRawElementProviderSimple *provider)
{
    (void)hwnd, (void)wParam, (void)lParam, (void)provider;
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND hwnd, IRawElementProviderSimple **provider)
{
    (void)hwnd;
    *provider = NULL;
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple *sender, int id)
{
    WCHAR kind[32];
    wsprintfW(kind, L"event %d", id);
    record(sender, kind, NULL);
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple *sender, int id,
                                                      VARIANT oldValue, VARIANT newValue)
{
    WCHAR kind[32];
    (void)oldValue;
    wsprintfW(kind, L"property %d", id);
    record(sender, kind, V_VT(&newValue) == VT_BSTR ? V_BSTR(&newValue) : NULL);
    return S_OK;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple *sender, int kind,
                                         int processing, BSTR text, BSTR activityId)
{
    (void)kind, (void)processing, (void)activityId;
    record(sender, L"notification", text);
    return S_OK;
}
