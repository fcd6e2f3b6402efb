// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The one place where design units meet the screen: the tables speak twips (1/1440 inch),
// Qt speaks logical pixels, and at 96 dpi fifteen twips make one pixel.
#pragma once

#include <cmath>

namespace bexalo {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace bexalo
