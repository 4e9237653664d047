// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// An icon drawn from an SVG at whatever size and pixel ratio is asked for,
// without loading an icon-engine plugin. It offers one native size, so a
// window system that wants a list of sizes renders just that one.
QIcon svgIcon(const QString &fileName, int nativeSize);
