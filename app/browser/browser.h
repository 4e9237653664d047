// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// What the browser edition needs beyond the desktop program: the serif face
// and Qt's Bulgarian texts travel inside it (a browser has neither), and
// what a screen reader would say goes to the page's live region. Call before
// the window is built.
void prepareForBrowser();

// The window fills the page's canvas, which has the window's own size; its
// controls are mirrored into the page for screen readers.
void showInBrowser(QWidget &window);
