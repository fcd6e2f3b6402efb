// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/Tempi.h"

#include <cmath>

namespace bexalo {

float secondiTrascorsi(float inizio, float risposta)
{
    float differenza = risposta - inizio;
    if (differenza < 0.0f) {
        differenza += kSecondiInUnGiorno;
    }
    return std::floor(differenza);
}

QString testoTempo(float secondi)
{
    if (secondi == 0.0f) {
        secondi = 0.0f; // no "-0" for a negative zero
    }
    const QString numero = QString::number(double(secondi), 'f', 0);
    return secondi < 0.0f ? numero : QLatin1Char(' ') + numero;
}

QString testoEtichetta(float secondi, const QString &testo, float massimo)
{
    return secondi >= massimo ? QString::number(double(massimo), 'f', 0) : testo;
}

} // namespace bexalo
