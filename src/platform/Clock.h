// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The time of day as the exercises measure it: seconds since local midnight, with the
// fraction, in single precision. Tests hand in a clock they can set.
#pragma once

namespace bexalo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

// The computer's own clock.
class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() const override;
};

} // namespace bexalo
