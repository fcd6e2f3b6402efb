// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The program's one generator of random draws: uniform single-precision values in [0, 1)
// from a fixed initial state at every start, reseeded from a clock reading on request.
#pragma once

#include <cstdint>
#include <random>

namespace bexalo {

class Random {
public:
    virtual ~Random() = default;
    // A fresh value r with 0 <= r < 1.
    virtual float next() = 0;
    virtual void reseed(float clockReading) = 0;
};

// 24 random bits times 2^-24: every value is exact in single precision and below 1 by
// construction (the standard distributions may round up to 1.0, a slot that does not exist).
inline float unitFloatFromBits(std::uint32_t bits) { return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f); }

class MersenneRandom final : public Random {
public:
    static constexpr std::uint32_t kInitialSeed = 0x0050C0DEu;

    explicit MersenneRandom(std::uint32_t seed = kInitialSeed) : m_engine(seed) {}
    float next() override { return unitFloatFromBits(static_cast<std::uint32_t>(m_engine())); }
    void reseed(float clockReading) override;

private:
    std::mt19937 m_engine;
};

} // namespace bexalo
