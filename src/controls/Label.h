// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Text drawn on its container: opaque or transparent, left or centred, wrapped within its
// width, with an optional single-line border and a hint shown while the pointer rests on it.
#pragma once

#include "controls/Control.h"

#include <QLabel>

namespace bexalo {

class Label : public QLabel, public Control {
    Q_OBJECT
public:
    Label(const ControlDesign &design, QWidget *parent);

    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override;
    // A label that shows a value is named for it, and the screen reader hears name and value.
    void setAccessibleText(const QString &name, const QString &description) override;

private:
    void nameWithValue();

    QString m_valueName;
};

} // namespace bexalo
