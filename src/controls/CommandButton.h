// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A command button in the graphical style: flat face in its BackColor, caption centred.
// Click comes from the mouse, from Space, and from Enter while the button has the focus.
#pragma once

#include "controls/Control.h"

#include <QAbstractButton>

namespace bexalo {

class CommandButton : public QAbstractButton, public Control {
    Q_OBJECT
public:
    CommandButton(const ControlDesign &design, QWidget *parent);

    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override { setText(caption); }
    QSize sizeHint() const override { return size(); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace bexalo
