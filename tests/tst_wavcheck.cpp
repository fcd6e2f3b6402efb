// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The look at positivo.wav before it goes to any player: good chimes pass, however their
// chunks lie, and the table of bad files never does.
#include "fakes/WavFiles.h"
#include "platform/WavCheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;

namespace {

// A good chime with a metadata chunk of `metadata` bytes between the format and the samples.
QByteArray withMetadata(int metadata)
{
    const QByteArray plain = wavBytes(2000, 2000);
    QByteArray list("LIST");
    const quint32 size = quint32(metadata);
    for (int i = 0; i < 4; ++i) {
        list.append(char((size >> (8 * i)) & 0xFF));
    }
    list.append(QByteArray(metadata, 'm'));
    return plain.left(36) + list + plain.mid(36);
}

} // namespace

class tst_WavCheck : public QObject {
    Q_OBJECT

private slots:
    void aFileIsPlayableOnlyWhenWhole_data();
    void aFileIsPlayableOnlyWhenWhole();
};

void tst_WavCheck::aFileIsPlayableOnlyWhenWhole_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("playable");

    QFile chime(builtChime());
    QVERIFY(chime.open(QIODevice::ReadOnly));
    QTest::newRow("the shipped chime") << chime.readAll() << true << true;
    QTest::newRow("a short chime") << wavBytes(2000, 2000) << true << true;
    QTest::newRow("short metadata before the samples") << withMetadata(100) << true << true;
    // Found by the fuzzer: the samples' header lay beyond the first 4096 bytes that were read.
    QTest::newRow("long metadata before the samples") << withMetadata(6000) << true << true;
    for (const BadSoundFile &f : badSoundFiles()) {
        QTest::newRow(f.name) << f.content << f.exists << false;
    }
}

void tst_WavCheck::aFileIsPlayableOnlyWhenWhole()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(bool, playable);
    const SoundFileInPlace file(content, exists);
    QVERIFY(file.written);
    QCOMPARE(isPlayableWavFile(file.path), playable);
    QCOMPARE(isCompletePcmWav(content, content.size()), playable);
}

QTEST_APPLESS_MAIN(tst_WavCheck)
#include "tst_wavcheck.moc"
