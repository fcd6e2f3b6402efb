// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/Verdetto.h"

namespace bexalo {

bool Verdetto::errato(Posto posto) const
{
    switch (posto) {
    case Posto::Centinaia:
        return centinaiaErrate;
    case Posto::Decine:
        return decineErrate;
    case Posto::Unita:
        break;
    }
    return unitaErrate;
}

Verdetto verdetto(const Esercizio &e) { return {e.contaH != e.cifraH, e.contaDa != e.cifraDa, e.contaU != e.cifraU}; }

} // namespace bexalo
