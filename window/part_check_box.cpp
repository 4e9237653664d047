// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "part_check_box.h"

void PartCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool PartCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
