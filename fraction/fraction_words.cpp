// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eye_parts.h"

#include <QString>

namespace {

// Numerators count fractions, "дроб" is feminine: една, две.
constexpr std::array<QStringView, 20> Ones{
    u"", u"една", u"две", u"три", u"четири", u"пет", u"шест", u"седем", u"осем", u"девет",
    u"десет", u"единадесет", u"дванадесет", u"тринадесет", u"четиринадесет",
    u"петнадесет", u"шестнадесет", u"седемнадесет", u"осемнадесет", u"деветнадесет",
};
constexpr std::array<QStringView, 7> Tens{
    u"", u"", u"двадесет", u"тридесет", u"четиридесет", u"петдесет", u"шестдесет",
};

QString cardinal(int n)
{
    if (n < int(Ones.size()))
        return Ones[n].toString();
    const QStringView tens = Tens[n / 10];
    return n % 10 == 0 ? tens.toString() : tens.toString() + QStringLiteral(" и ") + Ones[n % 10].toString();
}

} // namespace

QString FractionInWords(int numerator, int denominator)
{
    for (const EyePart &part : EyeParts) {
        if (denominator == 2 << part.index && numerator >= 1 && numerator < FullMeasure)
            return cardinal(numerator) + u' '
                + (numerator == 1 ? part.ordinalOne : part.ordinalMany).toString();
    }
    return QString::number(numerator) + u'/' + QString::number(denominator);
}

QString FractionInWords(const EyePart &part)
{
    return FractionInWords(1, 2 << part.index);
}
