// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sum_report.h"

#include "eye_parts.h"
#include "window_operations.h"

#include <QStringList>

namespace {

// Every addition to the report is a read of the whole text and a replace.
void append(WindowOperations &window, const QString &text)
{
    window.SetReportText(window.ReportText() + text);
}

} // namespace

void CalculateSum(WindowOperations &window)
{
    window.SetReportText(QStringLiteral("Сумата се формира от: ") + CrLf);

    qint16 power = 1;
    qint16 sum = 0;
    for (const EyePart &part : EyeParts) {
        power = qint16(power * 2);
        if (window.IsTicked(part.index)) {
            append(window, QStringLiteral("1/") + QString::number(power) + CrLf);
            sum = qint16(sum + 64 / power);
        }
    }

    if (sum == 0) {
        window.SetReportText(QStringLiteral("Липсва избрана част!") + CrLf);
        return;
    }

    append(window, CrLf + QStringLiteral("Изчислената дроб е: ") + QString::number(sum)
                       + QStringLiteral("/64") + CrLf);
    const qint16 gcd = EuclidGcd(sum);
    if (gcd != 1) {
        append(window, QStringLiteral("Проста дроб: ") + QString::number(sum / gcd)
                           + QStringLiteral("/") + QString::number(64 / gcd));
    }
}

QString SpokenSum(const WindowOperations &window)
{
    QStringList fractions;
    int sum = 0;
    for (const EyePart &part : EyeParts) {
        if (window.IsTicked(part.index)) {
            fractions << FractionInWords(part);
            sum += FullMeasure >> (part.index + 1);
        }
    }
    if (sum == 0)
        return QStringLiteral("Липсва избрана част!");

    // "една втора, една четвърт и една осма"
    const QString last = fractions.takeLast();
    const QString listed = fractions.isEmpty() ? last : fractions.join(QStringLiteral(", ")) + QStringLiteral(" и ") + last;
    QString spoken = QStringLiteral("Сумата се формира от %1. Изчислената дроб е %2.")
                         .arg(listed, FractionInWords(sum, FullMeasure));
    const int gcd = EuclidGcd(qint16(sum));
    if (gcd != 1) {
        spoken += QStringLiteral(" Простата дроб е %1.")
                      .arg(FractionInWords(sum / gcd, FullMeasure / gcd));
    }
    return spoken;
}
