// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// make_wav_corpus CHIME FOLDER: writes the fuzzer's seed corpus into FOLDER: the chime the
// program ships, good files made to measure, and every existing file of the players' table.
#include "fakes/WavFiles.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace bexalo::test;

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_wav_corpus CHIME FOLDER\n");
        return 2;
    }
    QFile chime(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!chime.open(QIODevice::ReadOnly) || !out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_wav_corpus: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    bool ok = writeFile(out.filePath(QStringLiteral("chime.wav")), chime.readAll());
    ok = ok && writeFile(out.filePath(QStringLiteral("good-short.wav")), wavBytes(2000, 2000));
    int n = 0;
    for (const BadSoundFile &f : badSoundFiles()) {
        // The largest row only says "too large"; its first bytes and a small size say the rest.
        if (f.exists) {
            ok = ok && writeFile(out.filePath(QStringLiteral("bad-%1.wav").arg(++n)), f.content.left(4096));
        }
    }
    return ok ? 0 : 1;
}
