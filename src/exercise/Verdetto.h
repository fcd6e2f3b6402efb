// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The verdict on an answer: which places differ from the target. All three places are
// compared at both levels; at level 1 the hundreds are 0 on both sides.
#pragma once

#include "exercise/Esercizio.h"

namespace bexalo {

struct Verdetto {
    bool centinaiaErrate = false;
    bool decineErrate = false;
    bool unitaErrate = false;

    bool esatto() const { return !centinaiaErrate && !decineErrate && !unitaErrate; }
    bool errato(Posto posto) const;
};

Verdetto verdetto(const Esercizio &esercizio);

} // namespace bexalo
