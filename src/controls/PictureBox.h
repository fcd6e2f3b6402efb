// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A plain panel in its BackColor, framed by the classic sunken edge unless its row asks for no
// border. Docked to the left or right edge of its window it always spans the full client
// height against that edge, and only its width is free.
#pragma once

#include "controls/Control.h"

#include <QWidget>

namespace bexalo {

class PictureBox : public QWidget, public Control {
    Q_OBJECT
public:
    PictureBox(const ControlDesign &design, QWidget *parent);

    Dock dock() const { return m_dock; }
    // Width in twips. A negative width is refused: nothing changes and false comes back.
    bool setWidthTwips(float width);
    void move(float left, float top, float width, float height) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyDock(int widthPixels);

    Dock m_dock;
    bool m_edge;
};

} // namespace bexalo
