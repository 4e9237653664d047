// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eye_parts.h"

#include <cstdlib>

qint16 EuclidGcd(qint16 numerator)
{
    // Every divisor of 64 divides 0, so 64 itself; the loop below would never end.
    if (numerator == 0)
        return FullMeasure;

    // int, so that the magnitude of -32768 still fits; the result is at most 64.
    int b = FullMeasure;
    int a = std::abs(int(numerator));
    while (a != b) {
        if (b > a)
            b -= a;
        else
            a -= b;
    }
    return qint16(a);
}
