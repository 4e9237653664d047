// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>

// One part of the eye amulet. Its denominator is not stored: whoever needs it
// doubles from 1, once per step from 0 up to the index.
struct EyePart
{
    qint16 index;
    QStringView name;
    // Its fraction as a reader says it, for assistive tools.
    QStringView fractionInWords;
};

// The common denominator of every part, 2 to the power 6.
inline constexpr qint16 FullMeasure = qint16(1) << 6;

inline constexpr std::array<EyePart, 6> EyeParts{{
    {0, u"по-голямата част от окото", u"една втора"},
    {1, u"зеница", u"една четвърт"},
    {2, u"вежда", u"една осма"},
    {3, u"по-малката част от окото", u"една шестнадесета"},
    {4, u"капка сълза", u"една тридесет и втора"},
    {5, u"знак на сокола", u"една шестдесет и четвърта"},
}};

// Greatest common divisor of numerator and 64, by repeated subtraction.
// Total: 0 gives 64, a negative numerator is taken by its magnitude.
qint16 EuclidGcd(qint16 numerator);
