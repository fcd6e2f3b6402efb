// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// One window's exercise: the target number, the pupil's answer, the attempts, the window's
// statistics and the times of the current exercise. Each exercise window keeps its own, so two
// windows open at once never disturb each other; only the total time is shared (Modulo1).
#pragma once

#include <QString>
#include <cstdint>

namespace bexalo {

// The three places of a number, in the order the verdict walks them.
enum class Posto { Centinaia, Decine, Unita };

struct Esercizio {
    // The target, one digit per place.
    int cifraU = 0;
    int cifraDa = 0;
    int cifraH = 0;
    // The pupil's answer, one count per place.
    int contaU = 0;
    int contaDa = 0;
    int contaH = 0;
    // Help offers refused on this exercise.
    int tentativi = 0;
    // Right and wrong answers since the window opened; 16-bit on screen and in memory.
    std::int16_t risEsatte = 0;
    std::int16_t risErrate = 0;
    std::int16_t numOperazione = 0;
    // Clock readings and whole seconds of the current exercise.
    float tempoInizio = 0.0f;
    float tempoRisposta = 0.0f;
    float tempoParziale = 0.0f;
    QString testoParziale;
    QString testoTotale;

    int &cifra(Posto posto);
    int &conta(Posto posto);
    int cifra(Posto posto) const;
    int conta(Posto posto) const;
    bool tutteLeConteAZero() const { return contaU == 0 && contaDa == 0 && contaH == 0; }
};

// One more, but never past 32767: a pupil who keeps going must not wrap the count to negative.
std::int16_t piuUnoFinoAlMassimo(std::int16_t value);

} // namespace bexalo
