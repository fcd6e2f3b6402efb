// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A timer control: Interval in milliseconds, Enabled, and a periodic Timer event on the
// user-interface thread. It has no geometry and no widget.
#pragma once

#include "controls/Control.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace bexalo {

class Timer : public QObject, public Control {
    Q_OBJECT
public:
    Timer(const ControlDesign &design, QObject *parent);

    std::function<void()> onTimer;

    bool isTimerEnabled() const { return m_timer.isActive(); }
    void setTimerEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }
    // One tick now, as if the interval had run out: lets tests and tools step the animation.
    void tick();

private:
    QTimer m_timer;
};

} // namespace bexalo
