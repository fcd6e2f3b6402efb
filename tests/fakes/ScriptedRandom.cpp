// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "fakes/ScriptedRandom.h"

namespace bexalo::test {

float ScriptedRandom::next()
{
    ++draws;
    if (script.empty()) {
        return m_fallback.next();
    }
    const float r = script.front();
    script.pop_front();
    return r;
}

} // namespace bexalo::test
