// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A rounded rectangle drawn on its container: filled in its BackColor, with a solid border of
// the given width in the system text colour.
#pragma once

#include "controls/Control.h"

#include <QWidget>

namespace bexalo {

class Shape : public QWidget, public Control {
    Q_OBJECT
public:
    Shape(const ControlDesign &design, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_borderWidth;
};

} // namespace bexalo
