// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A look at a WAV file's header before it goes to the audio system: Qt's decoder waits for
// ever on an empty or truncated file (and then blocks the program's exit), and would read a
// huge file whole into memory. Only a complete, plain PCM file of sensible size passes.
#pragma once

#include <QByteArray>
#include <QString>

namespace bexalo {

inline constexpr qint64 kLargestSoundFile = 8 * 1024 * 1024;

// Whether the bytes of a whole file form a complete PCM WAV (RIFF/WAVE, fmt, data).
bool isCompletePcmWav(const QByteArray &header, qint64 fileSize);
// Reads the file at path (when it is no larger than a chime may be) and checks it.
bool isPlayableWavFile(const QString &path);

} // namespace bexalo
