// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eye_parts.h"
#include "window_operations.h"

#include <array>

// A window of plain values, for testing the logic without widgets.
// Tick values are 0 (unticked), 1 (ticked) or 2 (greyed).
class FakeWindow : public WindowOperations
{
public:
    std::array<int, 6> ticks{};
    std::array<QString, 6> captions{};
    QString report;

    bool IsTicked(qint16 index) const override { return inRange(index) && ticks[index] == 1; }
    void SetTicked(qint16 index, bool ticked) override
    {
        if (inRange(index))
            ticks[index] = ticked ? 1 : 0;
    }
    void SetCaption(qint16 index, const QString &text) override
    {
        if (inRange(index))
            captions[index] = text;
    }
    QString PartName(qint16 index) const override
    {
        return inRange(index) ? EyeParts[index].name.toString() : QString();
    }
    QString ReportText() const override { return report; }
    void SetReportText(const QString &text) override { report = text; }

private:
    static bool inRange(qint16 index) { return index >= 0 && index < 6; }
};
