// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Sound files for the players' tests: a PCM WAV made to measure, and the table rows of files
// every player must refuse without a sound or an error.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

namespace bexalo::test {

// A 16-bit mono PCM WAV whose header announces dataSize bytes of samples, with only `present`
// of them there.
inline QByteArray wavBytes(quint32 dataSize, int present)
{
    QByteArray b("RIFF");
    auto put32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&b](quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    put32(36 + dataSize);
    b.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    b.append("data");
    put32(dataSize);
    b.append(QByteArray(present, '\0'));
    return b;
}

// Writes a sound file whole; false when it could not.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A sound file where a player is to find it: positivo.wav in a folder of its own, holding
// `content`, or missing when `exists` is false; `written` says it is as asked.
struct SoundFileInPlace {
    SoundFileInPlace(const QByteArray &content, bool exists)
        : path(dir.filePath(QStringLiteral("positivo.wav"))),
          written(dir.isValid() && (!exists || writeFile(path, content)))
    {}
    QTemporaryDir dir;
    const QString path;
    const bool written;
};

// The chime as built beside the program.
inline QString builtChime() { return qEnvironmentVariable("BEXALO_PROGRAM_DIR") + QStringLiteral("/positivo.wav"); }

// The files every player must refuse without a sound or an error ("exists" false: no file at
// all). The fuzzer of the header check starts from these too.
struct BadSoundFile {
    const char *name;
    QByteArray content;
    bool exists;
};

inline QList<BadSoundFile> badSoundFiles()
{
    return {
        {"missing", QByteArray(), false},
        {"empty", QByteArray(), true},
        {"not a wav", QByteArray("this is not a sound file at all\n").repeated(20), true},
        {"truncated header", QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16), true},
        {"samples cut short", wavBytes(22050, 1000), true},
        {"ends in half a sample", wavBytes(22051, 22051), true},
        {"too large to be a chime", wavBytes(9 * 1024 * 1024, 9 * 1024 * 1024), true},
    };
}

// Columns "content" (QByteArray) and "exists" (bool), and one row per bad file.
inline void addBadSoundFileRows()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    for (const BadSoundFile &f : badSoundFiles()) {
        QTest::newRow(f.name) << f.content << f.exists;
    }
}

} // namespace bexalo::test
