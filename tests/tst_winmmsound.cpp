// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound on Windows: the file goes to winmm's PlaySoundW by its native path, in the
// background, with no default beep, and only when its header passes the same check as on
// Linux, read again at every sound.
#include "fakes/WavFiles.h"
#include "platform/WinmmSound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>
#include <mmsystem.h>

using namespace bexalo;
using bexalo::test::builtChime;
using bexalo::test::wavBytes;
using bexalo::test::writeFile;

namespace {

struct Call {
    QString path;
    unsigned flags;
};
QList<Call> g_calls;

int recordCall(const wchar_t *path, unsigned flags)
{
    g_calls.append({QString::fromWCharArray(path), flags});
    return 1;
}

int g_systemResult = -1;

int realCall(const wchar_t *path, unsigned flags)
{
    g_systemResult = ::PlaySoundW(path, nullptr, flags);
    return g_systemResult;
}

} // namespace

class tst_WinmmSound : public QObject {
    Q_OBJECT

private slots:
    void init() { g_calls.clear(); }
    void theChimeGoesToTheSystemByItsNativePathInTheBackgroundWithoutBeep();
    void aBadFileNeverReachesTheSystem_data();
    void aBadFileNeverReachesTheSystem();
    void theFileIsCheckedAgainAtEverySound();
    void theSystemAcceptsTheChimeAndASecondOneInItsPlace();
};

void tst_WinmmSound::theChimeGoesToTheSystemByItsNativePathInTheBackgroundWithoutBeep()
{
    QVERIFY2(QFile::exists(builtChime()), qPrintable(builtChime()));
    WinmmSound sound(recordCall);
    sound.play(builtChime());
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls[0].path, QDir::toNativeSeparators(builtChime()));
    QVERIFY(g_calls[0].path.endsWith(QLatin1String("\\positivo.wav")));
    QCOMPARE(g_calls[0].flags, unsigned(SND_FILENAME | SND_ASYNC | SND_NODEFAULT));
}

void tst_WinmmSound::aBadFileNeverReachesTheSystem_data() { test::addBadSoundFileRows(); }

void tst_WinmmSound::aBadFileNeverReachesTheSystem()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const test::SoundFileInPlace file(content, exists);
    QVERIFY(file.written);
    WinmmSound sound(recordCall);
    sound.play(file.path);
    sound.play(file.path);
    QVERIFY(g_calls.isEmpty());
}

void tst_WinmmSound::theFileIsCheckedAgainAtEverySound()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("positivo.wav"));
    QVERIFY(writeFile(path, wavBytes(22050, 1000)));
    WinmmSound sound(recordCall);
    sound.play(path);
    QVERIFY(g_calls.isEmpty());

    QVERIFY(writeFile(path, wavBytes(2000, 2000)));
    sound.play(path);
    QCOMPARE(g_calls.size(), 1);

    QVERIFY(QFile::remove(path));
    sound.play(path);
    QCOMPARE(g_calls.size(), 1);
}

void tst_WinmmSound::theSystemAcceptsTheChimeAndASecondOneInItsPlace()
{
    WinmmSound sound(realCall);
    sound.play(builtChime());
    QCOMPARE(g_systemResult, 1);
    g_systemResult = -1;
    sound.play(builtChime());
    QCOMPARE(g_systemResult, 1);
    ::PlaySoundW(nullptr, nullptr, 0);
}

QTEST_MAIN(tst_WinmmSound)
#include "tst_winmmsound.moc"
