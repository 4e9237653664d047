// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

// A list box that is never shown: it keeps its items in order and draws
// nothing, so the window carries none of an item view's machinery.
class HiddenListBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)

public:
    using QWidget::QWidget;

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items) { m_items = items; }

    // The item at row, or an empty text outside the list.
    QString item(int row) const { return m_items.value(row); }

private:
    QStringList m_items;
};
