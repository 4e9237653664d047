// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program speaks Bulgarian whatever the desktop's language, and so do
// Qt's own texts (the report box's menu, its scroll bar): makes Bulgarian the
// default locale and loads Qt's Bulgarian catalogue, that one only, from
// Qt's translations folder or the one given. Call once, before the window is
// built. False when the catalogue is missing.
bool useBulgarianThroughout(const QString &folder = QString());
