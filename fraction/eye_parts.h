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
};

// The common denominator of every part, 2 to the power 6.
inline constexpr qint16 FullMeasure = qint16(1) << 6;

inline constexpr std::array<EyePart, 6> EyeParts{{
    {0, u"по-голямата част от окото"},
    {1, u"зеница"},
    {2, u"вежда"},
    {3, u"по-малката част от окото"},
    {4, u"капка сълза"},
    {5, u"знак на сокола"},
}};

// Greatest common divisor of numerator and 64, by repeated subtraction.
// Total: 0 gives 64, a negative numerator is taken by its magnitude.
qint16 EuclidGcd(qint16 numerator);
