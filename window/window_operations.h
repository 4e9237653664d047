// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// The line break of the report text.
inline const QString CrLf = QStringLiteral("\r\n");

// The only way the fraction logic and the handlers reach the window.
// An index selects one part of the eye, 0 to 5; an index outside that range
// reads as unticked / empty and changes nothing.
class WindowOperations
{
public:
    virtual ~WindowOperations() = default;

    // True only for the ticked value (1); unticked (0) and greyed (2) are false.
    virtual bool IsTicked(qint16 index) const = 0;

    // Stores ticked (1) or unticked (0). When that changes the box's value, the
    // box's tick event runs inside this call, before it returns, just as after
    // a click. Storing the value the box already holds raises nothing.
    virtual void SetTicked(qint16 index, bool ticked) = 0;

    // Replaces the box's caption; the new caption shows at once.
    virtual void SetCaption(qint16 index, const QString &text) = 0;

    // The part's name, read from the window's hidden name list.
    virtual QString PartName(qint16 index) const = 0;

    // The whole report exactly as last stored, line breaks as CR LF.
    virtual QString ReportText() const = 0;

    // Replaces the whole report; CR LF shows as a line break.
    virtual void SetReportText(const QString &text) = 0;
};
