#pragma once

#include <QString>

#include <array>
#include <numeric>

// The report a calculate must write for the given tick values (0, 1 or 2),
// worked out from the sum alone, apart from the code under test.
inline QString expectedReport(const std::array<int, 6> &ticks)
{
    QString text = QStringLiteral("Сумата се формира от: \r\n");
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        if (ticks[i] == 1) {
            text += QStringLiteral("1/%1\r\n").arg(2 << i);
            sum += 32 >> i;
        }
    }
    if (sum == 0)
        return QStringLiteral("Липсва избрана част!\r\n");
    text += QStringLiteral("\r\nИзчислената дроб е: %1/64\r\n").arg(sum);
    const int g = std::gcd(sum, 64);
    if (g != 1)
        text += QStringLiteral("Проста дроб: %1/%2").arg(sum / g).arg(64 / g);
    return text;
}
