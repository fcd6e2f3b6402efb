// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/Random.h"

#include <cstdint>
#include <cstring>

namespace bexalo {

void MersenneRandom::reseed(float clockReading)
{
    // Every distinct reading, fraction included, gives its own sequence. (A copy of the bits
    // rather than std::bit_cast, which the web build's compiler library lacks.)
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof clockReading);
    std::memcpy(&bits, &clockReading, sizeof bits);
    m_engine.seed(bits);
}

} // namespace bexalo
