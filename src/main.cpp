// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// bexalo: place value with the school abacus. The only place that wires the program together:
// the application, the shared state, the real sound, clock and random generator, and the start
// window, which runs the rest.
#include "assets/Pictures.h"
#include "controls/Forms.h"
#include "exercise/Modulo1.h"
#include "platform/Clock.h"
#include "platform/DisplayCheck.h"
#include "platform/PlatformSetup.h"
#include "platform/Random.h"
#include "platform/SessionBus.h"
#include "platform/SystemSound.h"
#include "start/FrmInizio.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    bexalo::keepFromLaunchingASessionBus();
    bexalo::guardDisplayStartup();
    QApplication app(argc, argv);
    bexalo::endDisplayStartupGuard();
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(bexalo::programIcon());
    bexalo::setUpPlatform(app);

    bexalo::SystemClock clock;
    bexalo::MersenneRandom random;
    const auto sound = bexalo::makeSystemSound(QCoreApplication::applicationDirPath());
    bexalo::Modulo1 modulo;
    modulo.clock = &clock;
    modulo.random = &random;
    modulo.sound = sound.get();
    modulo.programFolder = QCoreApplication::applicationDirPath();

    QObject::connect(&bexalo::Forms::instance(), &bexalo::Forms::lastUnloaded, &app, &bexalo::programEnded);
    QObject::connect(&bexalo::Forms::instance(), &bexalo::Forms::lastUnloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    auto *start = new bexalo::FrmInizio(modulo);
    start->load();
    start->showModeless();
    return app.exec();
}
