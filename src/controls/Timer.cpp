#include "controls/Timer.h"

namespace bexalo {

Timer::Timer(const ControlSpec &spec, QObject *parent)
    : QObject(parent), Control(spec, nullptr)
{
    setObjectName(spec.index < 0 ? name() : name() + QLatin1Char('_') + QString::number(spec.index));
    m_timer.setInterval(spec.interval);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setTimerEnabled(spec.enabled);
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
