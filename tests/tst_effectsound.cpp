// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The real success sound: it finds positivo.wav beside the built program and loads it, a
// missing or broken file stays silent without raising anything or holding up the caller, and a
// file put right or replaced while the program runs is heard at the next play.
#include "fakes/WavFiles.h"
#include "platform/EffectSound.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace bexalo;
using bexalo::test::wavBytes;

class tst_EffectSound : public QObject {
    Q_OBJECT

private slots:
    void theChimeBesideTheProgramLoadsAndIsReady();
    void aBadFilePlaysNothingAndRaisesNothing_data();
    void aBadFilePlaysNothingAndRaisesNothing();
    void playingAgainWhilePlayingRestartsWithoutError();
    void aFilePutRightOrReplacedIsHeardAtTheNextPlay_data();
    void aFilePutRightOrReplacedIsHeardAtTheNextPlay();
};

void tst_EffectSound::theChimeBesideTheProgramLoadsAndIsReady()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("BEXALO_PROGRAM_DIR"), "BEXALO_PROGRAM_DIR names the build folder");
    const QString path = test::builtChime();
    QVERIFY2(QFile::exists(path), qPrintable(path));

    EffectSound sound;
    sound.preload(path);
    QTRY_VERIFY_WITH_TIMEOUT(sound.isReady() || sound.hasFailed(), 10000);
    QVERIFY(sound.isReady());
}

void tst_EffectSound::aBadFilePlaysNothingAndRaisesNothing_data() { test::addBadSoundFileRows(); }

void tst_EffectSound::aBadFilePlaysNothingAndRaisesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const test::SoundFileInPlace file(content, exists);
    QVERIFY(file.written);

    EffectSound sound;
    // Loading goes on in the background: right after play() nothing is known yet.
    sound.play(file.path);
    sound.play(file.path);
    QTRY_VERIFY_WITH_TIMEOUT(sound.hasFailed(), 10000);
    QVERIFY(!sound.isReady());
    sound.play(file.path); // and asking again once it has failed is harmless
    QVERIFY(sound.hasFailed());
}

void tst_EffectSound::playingAgainWhilePlayingRestartsWithoutError()
{
    const QString path = test::builtChime();
    EffectSound sound;
    sound.play(path);
    sound.play(path);
    QTRY_VERIFY_WITH_TIMEOUT(sound.isReady() || sound.hasFailed(), 10000);
    sound.play(path);
    QVERIFY(sound.isReady());
}

void tst_EffectSound::aFilePutRightOrReplacedIsHeardAtTheNextPlay_data()
{
    QFile file(test::builtChime());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    const QByteArray broken = QByteArray("this is not a sound file at all\n").repeated(20);

    QTest::addColumn<QByteArray>("first");  // empty: no file
    QTest::addColumn<QByteArray>("second"); // what the teacher puts there before the next play
    QTest::addColumn<bool>("heard");
    QTest::newRow("missing, then put back") << QByteArray() << good << true;
    QTest::newRow("broken, then put right") << broken << good << true;
    QTest::newRow("good, then broken") << good << broken << false;
    QTest::newRow("good, then taken away") << good << QByteArray() << false;
    // (Three seconds: against a real audio sink a sound shorter than the wait for it to load
    // has ended before it is looked at.)
    QTest::newRow("good, then replaced by another good one") << good << wavBytes(132300, 132300) << true;
}

void tst_EffectSound::aFilePutRightOrReplacedIsHeardAtTheNextPlay()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, heard);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("positivo.wav"));
    auto put = [&path](const QByteArray &content) {
        QFile::remove(path);
        return content.isEmpty() || test::writeFile(path, content);
    };

    EffectSound sound;
    QVERIFY(put(first));
    sound.play(path);
    // Settled (a player asked to play may report so while it is still loading).
    QTRY_VERIFY_WITH_TIMEOUT(sound.isReady() || sound.hasFailed(), 10000);
    QCOMPARE(sound.isPlaying(), first.startsWith("RIFF"));

    QVERIFY(put(second));
    QSignalSpy loaded(&sound, &EffectSound::statusChanged);
    QElapsedTimer clock;
    clock.start();
    sound.play(path);
    // The handler is not held up, whatever the file.
    QVERIFY(clock.elapsed() < 1000);
    QTRY_VERIFY_WITH_TIMEOUT(sound.isReady() || sound.hasFailed(), 10000);
    QCOMPARE(sound.isPlaying(), heard);
    QCOMPARE(sound.hasFailed(), !heard);
    // What plays is the file as it is now, read again, not what was decoded before.
    QCOMPARE(!loaded.isEmpty(), heard);
}

QTEST_MAIN(tst_EffectSound)
#include "tst_effectsound.moc"
