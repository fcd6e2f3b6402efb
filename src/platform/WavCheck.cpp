// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/WavCheck.h"

#include <QFile>
#include <QtEndian>

namespace bexalo {

namespace {

quint32 le32(const QByteArray &b, qint64 at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray &b, qint64 at) { return qFromLittleEndian<quint16>(b.constData() + at); }

} // namespace

bool isCompletePcmWav(const QByteArray &file, qint64 fileSize)
{
    if (fileSize < 44 || fileSize > kLargestSoundFile || file.size() < 12) {
        return false;
    }
    if (!file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        return false;
    }
    bool formatOk = false;
    qint64 frameBytes = 0;
    qint64 at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = le32(file, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > file.size()) {
                return false;
            }
            const quint16 format = le16(file, body);
            const quint16 channels = le16(file, body + 2);
            const quint32 rate = le32(file, body + 4);
            const quint16 bits = le16(file, body + 14);
            formatOk = format == 1 && channels >= 1 && channels <= 2 && rate >= 8000 && rate <= 192000 &&
                       (bits == 8 || bits == 16);
            if (!formatOk) {
                return false;
            }
            frameBytes = qint64(channels) * (bits / 8);
        } else if (id == "data") {
            // The samples must all be there, in whole frames: a file cut short is refused, and so
            // is one that ends in part of a sample, on which a decoder may wait for ever.
            return formatOk && size > 0 && size % frameBytes == 0 && body + size <= fileSize;
        }
        at = body + size + (size & 1);
    }
    return false;
}

bool isPlayableWavFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // The whole file, which is small when it is to pass at all: a data chunk may follow long
    // metadata (a LIST or bext chunk) and still make a good chime.
    const qint64 size = file.size();
    if (size > kLargestSoundFile) {
        return false;
    }
    return isCompletePcmWav(file.read(size), size);
}

} // namespace bexalo
