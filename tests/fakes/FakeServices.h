// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The shared state of a run wired to test doubles: a clock the test sets, a sound that
// records, and a generator that is seeded (and can be scripted).
#pragma once

#include "exercise/Modulo1.h"
#include "fakes/FakeClock.h"
#include "fakes/RecordingSound.h"
#include "fakes/ScriptedRandom.h"

namespace bexalo::test {

struct FakeServices {
    FakeClock clock;
    RecordingSound sound;
    ScriptedRandom random;
    Modulo1 modulo;

    explicit FakeServices(std::uint32_t seed = 1) : random(seed)
    {
        modulo.clock = &clock;
        modulo.sound = &sound;
        modulo.random = &random;
    }
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;
};

} // namespace bexalo::test
