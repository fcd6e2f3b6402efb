// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Timer.h"

namespace bexalo {

Timer::Timer(const ControlDesign &design, QObject *parent) : QObject(parent), Control(design, nullptr)
{
    setObjectName(design.index < 0 ? name() : name() + QLatin1Char('_') + QString::number(design.index));
    m_timer.setInterval(design.interval);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setTimerEnabled(design.enabled);
}

void Timer::setTimerEnabled(bool enabled)
{
    if (enabled && !m_timer.isActive()) {
        m_timer.start();
    } else if (!enabled) {
        m_timer.stop();
    }
}

void Timer::tick()
{
    if (onTimer) {
        onTimer();
    }
}

} // namespace bexalo
