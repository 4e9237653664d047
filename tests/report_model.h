// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <numeric>

const QString ReportHead = QStringLiteral("Сумата се формира от: \r\n");
const QString NoPartReport = QStringLiteral("Липсва избрана част!\r\n");
const QString ErasePrompt = QStringLiteral("Направете нов избор!");

// What box index shows while ticked: 1/2, 1/4, ... 1/64.
inline QString fractionCaption(int index)
{
    return QStringLiteral("1/%1").arg(2 << index);
}

// The report a calculate must write for the given tick values (0, 1 or 2),
// worked out from the sum alone, apart from the code under test.
inline QString expectedReport(const std::array<int, 6> &ticks)
{
    QString text = ReportHead;
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        if (ticks[i] == 1) {
            text += fractionCaption(i) + QStringLiteral("\r\n");
            sum += 32 >> i;
        }
    }
    if (sum == 0)
        return NoPartReport;
    text += QStringLiteral("\r\nИзчислената дроб е: %1/64\r\n").arg(sum);
    const int g = std::gcd(sum, 64);
    if (g != 1)
        text += QStringLiteral("Проста дроб: %1/%2").arg(sum / g).arg(64 / g);
    return text;
}
