// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "part_check_box.h"

#include <QProxyStyle>
#include <QStyleOption>

namespace {

// The application's style, but a check box's click area is all of it. Both
// the box's own hit test and its accessible extents ask the style for it.
class WholeRowStyle : public QProxyStyle
{
public:
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override
    {
        if (element == SE_CheckBoxClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

} // namespace

PartCheckBox::PartCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    auto *style = new WholeRowStyle;
    style->setParent(this);
    setStyle(style);
}

void PartCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
