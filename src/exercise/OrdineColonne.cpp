// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/OrdineColonne.h"

namespace bexalo {

namespace {

constexpr Posto H = Posto::Centinaia;
constexpr Posto Da = Posto::Decine;
constexpr Posto U = Posto::Unita;

// Marker 0 starts the row; each other marker is the left edge of a column that follows the
// columns named in its comment (in either order).
//   1: after u   2: after da   3: after h   4: after h and da   5: after h and u   6: after u and da
constexpr std::array<OrdineColonne, 6> kOrdini{{
    {{{H, 0}, {Da, 3}, {U, 4}}}, // 1: h da u
    {{{H, 0}, {U, 3}, {Da, 5}}}, // 2: h u da
    {{{U, 0}, {Da, 1}, {H, 6}}}, // 3: u da h
    {{{Da, 0}, {U, 2}, {H, 6}}}, // 4: da u h
    {{{Da, 0}, {H, 2}, {U, 4}}}, // 5: da h u
    {{{U, 0}, {H, 1}, {Da, 5}}}, // 6: u h da
}};

} // namespace

const OrdineColonne &ordineColonne(int k)
{
    if (k < 1 || k > 6) {
        k = 1;
    }
    return kOrdini[static_cast<size_t>(k - 1)];
}

} // namespace bexalo
