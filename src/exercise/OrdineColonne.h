// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The six orders of the three picture columns: for each order, from left to right, which
// column stands there and which marker gives its left edge.
#pragma once

#include "exercise/Esercizio.h"

#include <array>

namespace bexalo {

struct PostoColonna {
    Posto colonna;
    int marker; // index of the lblH marker whose Left the column takes
};

using OrdineColonne = std::array<PostoColonna, 3>;

// k from 1 to 6, as drawColumnOrder gives it; a value outside falls back to the first order.
const OrdineColonne &ordineColonne(int k);

} // namespace bexalo
