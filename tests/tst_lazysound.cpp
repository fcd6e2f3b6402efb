// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The sound as the program wires it: the player and its audio libraries are loaded from the
// program's folder on the first sound and not before, and without the module every sound is
// silent and nothing is reported.
#include "platform/LazySound.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace bexalo;

namespace {

QString programFolder() { return qEnvironmentVariable("BEXALO_PROGRAM_DIR"); }

QByteArray mappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

} // namespace

class tst_LazySound : public QObject {
    Q_OBJECT

private slots:
    void theFirstSoundLoadsThePlayerFromTheProgramFolder();
    void withoutTheModuleEverySoundIsSilent();
    void theProgramStartsWithoutTheAudioLibraries();
};

void tst_LazySound::theFirstSoundLoadsThePlayerFromTheProgramFolder()
{
    QVERIFY(!programFolder().isEmpty());
    LazySound sound(programFolder());
    QVERIFY(!sound.isLoaded());
    sound.play(programFolder() + QStringLiteral("/positivo.wav"));
    QVERIFY(sound.isLoaded());
    sound.play(programFolder() + QStringLiteral("/positivo.wav"));
    QVERIFY(sound.isLoaded());
}

void tst_LazySound::withoutTheModuleEverySoundIsSilent()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    LazySound sound(empty.path());
    sound.play(programFolder() + QStringLiteral("/positivo.wav"));
    sound.play(programFolder() + QStringLiteral("/positivo.wav"));
    QVERIFY(!sound.isLoaded());
}

void tst_LazySound::theProgramStartsWithoutTheAudioLibraries()
{
    const QString program = programFolder() + QStringLiteral("/bexalo");
    if (!QFile::exists(program)) {
        QSKIP("the program is not built beside the tests");
    }
    QProcess bexalo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    bexalo.setProcessEnvironment(env);
    bexalo.start(program, {});
    QVERIFY(bexalo.waitForStarted());
    // Up and running: the start window is built once the widgets library is in.
    QTRY_VERIFY(mappedFiles(bexalo.processId()).contains("libQt6Widgets"));
    QTest::qWait(300);
    const QByteArray maps = mappedFiles(bexalo.processId());
    bexalo.kill();
    bexalo.waitForFinished();
    QVERIFY(maps.contains("libQt6Widgets"));
    QVERIFY2(!maps.contains("libQt6Multimedia"), "Qt Multimedia loaded at start");
    QVERIFY2(!maps.contains("libpulse"), "PulseAudio loaded at start");
    QVERIFY2(!maps.contains("bexalo_sound"), "the sound module loaded at start");
}

QTEST_MAIN(tst_LazySound)
#include "tst_lazysound.moc"
