// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/Sorteggio.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace bexalo {

int drawNine(Random &random) { return static_cast<int>(std::floor(9.0f * random.next())); }

std::vector<int> drawSlots(Random &random, int count)
{
    // More than nine distinct slots cannot exist; asking for them would never end.
    count = std::clamp(count, 0, 9);
    std::vector<int> posti;
    posti.reserve(count);
    while (static_cast<int>(posti.size()) < count) {
        const int posto = drawNine(random);
        if (std::find(posti.begin(), posti.end(), posto) == posti.end()) {
            posti.push_back(posto);
        }
    }
    return posti;
}

int drawColumnOrder(Random &random) { return static_cast<int>(std::floor(6.0f * random.next())) + 1; }

} // namespace bexalo
