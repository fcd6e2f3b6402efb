// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The random draws of an exercise, as plain functions of the one generator: a digit or a slot
// (0 to 8), the distinct slots of a scatter, and the order of the three picture columns.
#pragma once

#include <vector>

namespace bexalo {

class Random;

// floor(9 × r): a slot of a column, or a digit of the picture-to-abacus window.
int drawNine(Random &random);

// `count` distinct slots of the nine, in the order they were accepted. Each slot is drawn;
// a draw equal to one accepted earlier is discarded and drawn again for the same picture.
// The sequence of draws is part of what makes an exercise, so it must not be shortened.
std::vector<int> drawSlots(Random &random, int count);

// floor(6 × r) + 1: one of the six column orders.
int drawColumnOrder(Random &random);

} // namespace bexalo
