// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class WindowOperations;

// Writes the report of the ticked parts: each fraction on its own line, their
// sum in 64ths and, where it reduces, the lowest terms.
void CalculateSum(WindowOperations &window);
