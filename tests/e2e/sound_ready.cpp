// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Used by the package test: loads one sound file through the program's own sound seam and
// says whether it is ready to play. Exit status 0 ready, 1 refused or failed, 2 no answer.
#include "platform/EffectSound.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: sound_ready <file.wav>\n");
        return 2;
    }
    const QString path = app.arguments().at(1);
    bexalo::EffectSound sound;
    auto settled = [&] {
        if (sound.isReady())
            app.exit(0);
        else if (sound.hasFailed())
            app.exit(1);
    };
    QObject::connect(&sound, &bexalo::EffectSound::statusChanged, &app, settled);
    QTimer::singleShot(10000, &app, [&] { app.exit(2); });
    sound.preload(path);
    QTimer::singleShot(0, &app, settled);
    const int status = app.exec();
    std::printf("%s: %s\n", qPrintable(path),
                status == 0   ? "ready"
                : status == 1 ? "refused or failed"
                              : "no answer in 10 s");
    return status;
}
