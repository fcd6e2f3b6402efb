// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The timing of an answer: whole seconds between two clock readings (seconds since midnight),
// their text form, and the caps of the two statistics labels.
#pragma once

#include <QString>

namespace bexalo {

inline constexpr float kSecondiInUnGiorno = 86400.0f;
inline constexpr float kMassimoParziale = 99.0f;
inline constexpr float kMassimoTotale = 999.0f;

// floor(risposta − inizio) in single precision. The clock restarts at 0 at midnight, so a
// negative difference means the day turned over: a day is added and the time stays positive.
float secondiTrascorsi(float inizio, float risposta);

// A whole number of seconds as text: a leading space when zero or positive (" 7"), a minus
// sign when negative ("-3").
QString testoTempo(float secondi);

// What a statistics label shows: the text, or the cap alone once the value reaches it. The
// value itself is never capped.
QString testoEtichetta(float secondi, const QString &testo, float massimo);

} // namespace bexalo
