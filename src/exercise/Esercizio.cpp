// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/Esercizio.h"

#include <limits>

namespace bexalo {

int &Esercizio::cifra(Posto posto)
{
    switch (posto) {
    case Posto::Centinaia:
        return cifraH;
    case Posto::Decine:
        return cifraDa;
    case Posto::Unita:
        break;
    }
    return cifraU;
}

int &Esercizio::conta(Posto posto)
{
    switch (posto) {
    case Posto::Centinaia:
        return contaH;
    case Posto::Decine:
        return contaDa;
    case Posto::Unita:
        break;
    }
    return contaU;
}

int Esercizio::cifra(Posto posto) const { return const_cast<Esercizio *>(this)->cifra(posto); }
int Esercizio::conta(Posto posto) const { return const_cast<Esercizio *>(this)->conta(posto); }

std::int16_t piuUnoFinoAlMassimo(std::int16_t value)
{
    return value == std::numeric_limits<std::int16_t>::max() ? value : static_cast<std::int16_t>(value + 1);
}

} // namespace bexalo
