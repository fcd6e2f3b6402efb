// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The arithmetic of the opening curtains: each tick takes 75 twips (5 pixels at 96 dpi) off
// each curtain, and the animation ends once the left curtain is 10 twips wide or less.
#pragma once

namespace bexalo {

inline constexpr float kCurtainStep = 75.0f;
inline constexpr float kCurtainOpenWidth = 10.0f;

// The width after one tick. A step that would go below zero ends at 0: the toolkit refuses a
// negative width, and a refused step would leave a strip at each edge with the timer running
// for ever.
float nextCurtainWidth(float width);

// Whether the curtains are open, so the timer can stop.
bool curtainsOpen(float leftCurtainWidth);

} // namespace bexalo
