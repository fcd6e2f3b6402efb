// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A top-level menu entry. The windows' only entry has an empty caption and no action, so it
// lives in the control collection without showing a menu bar.
#pragma once

#include "controls/Control.h"

#include <QString>

namespace bexalo {

class Menu : public Control {
public:
    explicit Menu(const ControlDesign &design) : Control(design, nullptr), m_caption(QString::fromUtf8(design.caption))
    {}

    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }

private:
    QString m_caption;
};

} // namespace bexalo
