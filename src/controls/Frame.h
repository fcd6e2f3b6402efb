// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A container: fills its area with its BackColor, draws a single-line border when it has one
// and its caption on the top edge. Disabling it disables everything it holds.
#pragma once

#include "controls/Control.h"

#include <QWidget>

namespace bexalo {

class Frame : public QWidget, public Control {
    Q_OBJECT
public:
    Frame(const ControlDesign &design, QWidget *parent);

    bool hasBorder() const { return m_border; }
    void setBorder(bool border);
    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override;
    // Brings the frame in front of its siblings.
    void bringToFront() { raise(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_border;
};

} // namespace bexalo
