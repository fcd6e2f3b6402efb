#include "platform/Clock.h"

#include <QTime>

namespace bexalo {

float SystemClock::secondsSinceMidnight() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

} // namespace bexalo
