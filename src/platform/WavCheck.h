// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A look at a WAV file before it goes to the audio system: Qt's decoder waits for
// ever on an empty or truncated file (and then blocks the program's exit), and would read a
// huge file whole into memory. Only a complete, plain PCM file of sensible size passes.
#pragma once

#include <QByteArray>
#include <QString>

namespace bexalo {

inline constexpr qint64 kLargestSoundFile = 8 * 1024 * 1024;

// Whether a whole file, its bytes as read, forms a complete PCM WAV (RIFF/WAVE, fmt, data) of
// sensible size; fileSize is its size as the file system gave it, which differs from the bytes'
// when the file changed between the look and the read.
bool isCompletePcmWav(const QByteArray &file, qint64 fileSize);
// Reads the file at path (when it is no larger than a chime may be) and checks it.
bool isPlayableWavFile(const QString &path);

} // namespace bexalo
