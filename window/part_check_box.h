#pragma once

#include <QCheckBox>

// A part's check box. The pupil moves it only between unticked and ticked;
// a click on a box that code has greyed ticks it.
class PartCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};
