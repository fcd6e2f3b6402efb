// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A clock the test sets by hand.
#pragma once

#include "platform/Clock.h"

namespace bexalo::test {

class FakeClock final : public Clock {
public:
    float secondsSinceMidnight() const override { return now; }
    float now = 36000.0f; // ten in the morning
};

} // namespace bexalo::test
