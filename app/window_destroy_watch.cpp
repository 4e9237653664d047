// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_destroy_watch.h"

#include <QCoreApplication>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define UDJAT_HAVE_XCB 1
#endif

WindowDestroyWatch::WindowDestroyWatch(const QWidget &window)
    : m_window(window.winId())
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyWatch::~WindowDestroyWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowDestroyWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef UDJAT_HAVE_XCB
    if (eventType == "xcb_generic_event_t") {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) == XCB_DESTROY_NOTIFY
            && static_cast<const xcb_destroy_notify_event_t *>(message)->window == m_window)
            QCoreApplication::quit();
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}
