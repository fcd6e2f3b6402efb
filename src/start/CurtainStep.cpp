// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "start/CurtainStep.h"

namespace bexalo {

float nextCurtainWidth(float width)
{
    const float next = width - kCurtainStep;
    return next < 0.0f ? 0.0f : next;
}

bool curtainsOpen(float leftCurtainWidth) { return leftCurtainWidth <= kCurtainOpenWidth; }

} // namespace bexalo
