// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A generator that hands out the values a test scripts, in order, then falls back to a seeded
// real generator; it records every reseed.
#pragma once

#include "platform/Random.h"

#include <QList>
#include <deque>

namespace bexalo::test {

class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : m_fallback(seed) {}

    float next() override;
    void reseed(float clockReading) override { reseeds.append(clockReading); }

    // Values still to come, each in [0, 1).
    std::deque<float> script;
    QList<float> reseeds;
    int draws = 0;

private:
    MersenneRandom m_fallback;
};

} // namespace bexalo::test
