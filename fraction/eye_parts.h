// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>

// One part of the eye amulet. Its denominator is not stored: whoever needs it
// doubles from 1, once per step from 0 up to the index.
struct EyePart
{
    qint16 index;
    QStringView name;
    // The ordinal of its denominator, as said after "една" and after any
    // other number: "една осма", "три осми".
    QStringView ordinalOne;
    QStringView ordinalMany;
};

// The common denominator of every part, 2 to the power 6.
inline constexpr qint16 FullMeasure = qint16(1) << 6;

inline constexpr std::array<EyePart, 6> EyeParts{{
    {0, u"по-голямата част от окото", u"втора", u"втори"},
    {1, u"зеница", u"четвърт", u"четвърти"},
    {2, u"вежда", u"осма", u"осми"},
    {3, u"по-малката част от окото", u"шестнадесета", u"шестнадесети"},
    {4, u"капка сълза", u"тридесет и втора", u"тридесет и втори"},
    {5, u"знак на сокола", u"шестдесет и четвърта", u"шестдесет и четвърти"},
}};

// Greatest common divisor of numerator and 64, by repeated subtraction.
// Total: 0 gives 64, a negative numerator is taken by its magnitude.
qint16 EuclidGcd(qint16 numerator);

// A fraction as a teacher says it, for a voice that reads no symbols: 9/64 is
// "девет шестдесет и четвърти". For a numerator 1 to 63 over a part's
// denominator; anything else keeps its digits.
QString FractionInWords(int numerator, int denominator);
// The part's own fraction in words: "една осма".
QString FractionInWords(const EyePart &part);
