// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the windows share for the whole run: the pupil's choices on the start window, the
// total time across every window, and the services the exercises use (sound, clock, random
// generator). Each exercise window keeps its own exercise (see Esercizio).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace bexalo {

class Sound;
class Clock;
class Random;

struct Modulo1 {
    // 1 = tens and units, 2 = hundreds, tens and units; 0 until the pupil has chosen.
    std::int16_t livello = 0;
    // "1" = from picture to abacus, "2" = from abacus to picture; empty until chosen.
    QString percorso;
    // Sum of every partial time since the program started; nothing until the first answer.
    std::optional<float> tempoTotale;

    Sound *sound = nullptr;
    Clock *clock = nullptr;
    Random *random = nullptr;
    // The program's own folder, where positivo.wav lies.
    QString programFolder;
};

} // namespace bexalo
