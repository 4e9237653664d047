// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The window's controls as real elements of the page, for screen readers:
// Qt for WebAssembly 6.4 gives them only a canvas. Each part's box is a
// check box, each button a button, the diagram an image and the report a
// read-only text area, named and described as the widget's own accessible
// interface says, at the widget's place under the canvas, in the window's
// tab order. Qt's state reaches the elements; a click or a key on an
// element clicks its widget, and focus on it moves Qt's focus there.
void mirrorIntoPage(QWidget &window);

// True while keyboard focus is on one of the page's mirrored controls,
// whose own focus a screen reader already speaks.
bool pageMirrorHasFocus();
