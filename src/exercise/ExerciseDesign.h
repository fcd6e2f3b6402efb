// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the two exercise windows' tables share: the colours and fonts of their panels, abacus,
// counters and statistics (#RRGGBB as 0xRRGGBB).
#pragma once

#include "controls/ControlDesign.h"

namespace bexalo::exerciseDesign {

inline constexpr Colour kPanel = 0xFFC0FF;
inline constexpr Colour kYellow = 0xFFFF00;
inline constexpr Colour kBigButton = 0xFFC080;
inline constexpr Colour kHelpButton = 0xFFE0C0;
inline constexpr Colour kHeading = 0xC00000;
inline constexpr Colour kValue = 0x0000FF;
inline constexpr Colour kHundredBead = 0x0000C0;
inline constexpr Colour kTenBead = 0xFF0000;
inline constexpr Colour kUnitBead = 0x80FFFF;
inline constexpr FontDesign kBand{"Times New Roman", 20.25f, true};
inline constexpr FontDesign kHeadingFont{"Arial", 8.25f, true};
inline constexpr FontDesign kValueFont{"Arial", 14.25f, true};
inline constexpr FontDesign kCounterFont{"MS Sans Serif", 18.0f, true};

} // namespace bexalo::exerciseDesign
