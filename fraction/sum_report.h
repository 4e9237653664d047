// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class WindowOperations;

// Writes the report of the ticked parts: each fraction on its own line, their
// sum in 64ths and, where it reduces, the lowest terms.
void CalculateSum(WindowOperations &window);

// The same report as a voice should say it: sentences in words, with no
// symbols a screen reader would spell out.
QString SpokenSum(const WindowOperations &window);
