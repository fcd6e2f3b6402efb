// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Any bytes at all as positivo.wav: the check must neither crash nor read outside the bytes
// (the sanitizers watch), and what it lets through must be a file a decoder can finish.
#include "platform/WavCheck.h"

#include <QtEndian>

#include <cstdint>
#include <cstdlib>

using bexalo::isCompletePcmWav;
using bexalo::kLargestSoundFile;

namespace {

void require(bool rule)
{
    if (!rule) {
        std::abort();
    }
}

// Walks the chunks of a file that passed and finds its data chunk: it must be whole, inside
// the file, after a plain PCM format chunk.
void checkPassed(const QByteArray &file)
{
    require(file.size() >= 44 && file.size() <= kLargestSoundFile);
    require(file.startsWith("RIFF") && file.mid(8, 4) == "WAVE");
    bool format = false;
    qint64 at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        if (id == "fmt ") {
            require(at + 8 + 16 <= file.size());
            require(qFromLittleEndian<quint16>(file.constData() + at + 8) == 1);
            format = true;
        } else if (id == "data") {
            require(format && size > 0 && at + 8 + size <= file.size());
            return;
        }
        at += 8 + size + (size & 1);
    }
    require(false); // passed without a data chunk
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    // As the program calls it: the whole file and its size.
    const bool passed = isCompletePcmWav(file, qint64(size));
    if (passed) {
        checkPassed(file);
    }
    // A file whose size on the disk is not the number of bytes read (it changed between the
    // look and the read): nothing is read past what is there. The size claimed is the input's
    // last four bytes, so that the fuzzer steers it freely; the bytes are the rest.
    if (size >= 4) {
        const qint64 claimed = qFromLittleEndian<quint32>(data + size - 4);
        isCompletePcmWav(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size - 4)), claimed);
    }
    return 0;
}
