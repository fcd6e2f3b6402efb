// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound in the browser, with the browser's side recorded: the file is fetched
// once, by its name, on the first sound; it plays when it has arrived and passed the same
// check as on the desktop, and every later sound starts it again; a file that fails the check
// or never arrives gives silence for good.
#include "fakes/FakeBrowserAudio.h"
#include "fakes/WavFiles.h"
#include "platform/BrowserSound.h"
#include "platform/FetchRequests.h"

#include <QFile>
#include <QTest>

#include <memory>

using namespace bexalo;
using bexalo::test::BrowserAudioLog;
using bexalo::test::FakeBrowserAudio;

namespace {

QByteArray builtChimeBytes()
{
    QFile file(test::builtChime());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kAsked = QStringLiteral("/anywhere/the/program/looks/positivo.wav");

} // namespace

class tst_BrowserSound : public QObject {
    Q_OBJECT

private slots:
    void theFileIsFetchedOnceByNameAndPlaysOnceWhenItArrives();
    void everyLaterSoundStartsItAgain();
    void aFileRefusedOrNotArrivedGivesSilenceForGood_data();
    void aFileRefusedOrNotArrivedGivesSilenceForGood();
    void theEndLetsGoOfAFetchUnderWay();
    void theBrowsersLateAnswerReachesOnlyAFetchNotLetGo_data();
    void theBrowsersLateAnswerReachesOnlyAFetchNotLetGo();
};

void tst_BrowserSound::theFileIsFetchedOnceByNameAndPlaysOnceWhenItArrives()
{
    const QByteArray chime = builtChimeBytes();
    QVERIFY2(!chime.isEmpty(), qPrintable(test::builtChime()));
    BrowserAudioLog log;
    BrowserSound sound(std::make_unique<FakeBrowserAudio>(log));
    QVERIFY(log.calls.isEmpty());

    // Three sounds asked for while the file is on its way: one fetch, and one sound when it comes.
    sound.play(kAsked);
    sound.play(kAsked);
    sound.play(kAsked);
    QCOMPARE(log.calls, QStringList{QStringLiteral("fetch positivo.wav")});
    QVERIFY(log.pending());
    log.arrive(chime);
    QCOMPARE(log.calls, (QStringList{QStringLiteral("fetch positivo.wav"), QStringLiteral("load %1").arg(chime.size()),
                                     QStringLiteral("start")}));
}

void tst_BrowserSound::everyLaterSoundStartsItAgain()
{
    BrowserAudioLog log;
    BrowserSound sound(std::make_unique<FakeBrowserAudio>(log));
    sound.play(kAsked);
    log.arrive(test::wavBytes(2000, 2000));
    log.calls.clear();
    sound.play(kAsked);
    sound.play(kAsked);
    QCOMPARE(log.calls, (QStringList{QStringLiteral("start"), QStringLiteral("start")}));
}

void tst_BrowserSound::aFileRefusedOrNotArrivedGivesSilenceForGood_data() { test::addBadSoundFileRows(); }

void tst_BrowserSound::aFileRefusedOrNotArrivedGivesSilenceForGood()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    BrowserAudioLog log;
    BrowserSound sound(std::make_unique<FakeBrowserAudio>(log));
    sound.play(kAsked);
    if (exists) {
        log.arrive(content);
    } else {
        log.fail();
    }
    sound.play(kAsked);
    sound.play(kAsked);
    QCOMPARE(log.calls, (QStringList{QStringLiteral("fetch positivo.wav"), QStringLiteral("silence")}));
}

void tst_BrowserSound::theEndLetsGoOfAFetchUnderWay()
{
    BrowserAudioLog log;
    {
        BrowserSound sound(std::make_unique<FakeBrowserAudio>(log));
        sound.play(kAsked);
        QVERIFY(log.pending());
    }
    QCOMPARE(log.calls, (QStringList{QStringLiteral("fetch positivo.wav"), QStringLiteral("forget")}));
    QVERIFY(!log.pending());
}

// The web adapter's side: what the browser hands back for a request. Each request is answered
// exactly once, as the browser does, so the sanitizer suite also sees every request freed.
void tst_BrowserSound::theBrowsersLateAnswerReachesOnlyAFetchNotLetGo_data()
{
    QTest::addColumn<bool>("arrives");
    QTest::addColumn<bool>("forgottenFirst");
    QTest::newRow("arrived") << true << false;
    QTest::newRow("failed") << false << false;
    QTest::newRow("arrived after the player let go") << true << true;
    QTest::newRow("failed after the player let go") << false << true;
}

void tst_BrowserSound::theBrowsersLateAnswerReachesOnlyAFetchNotLetGo()
{
    QFETCH(bool, arrives);
    QFETCH(bool, forgottenFirst);
    FetchRequests requests;
    QStringList heard;
    const auto open = [&](const QString &which) {
        return requests.open([&heard, which](const QByteArray &bytes) { heard << which + " arrived " + bytes; },
                             [&heard, which] { heard << which + " failed"; });
    };
    void *older = open(QStringLiteral("older"));
    if (forgottenFirst) {
        requests.forgetAll();
    }
    // A fetch asked after the player let go is its own again.
    void *newer = open(QStringLiteral("newer"));
    char wav[] = "RIFF";
    const auto answer = [&](void *request) {
        if (arrives) {
            FetchRequests::arrived(request, wav, 4);
        } else {
            FetchRequests::failed(request);
        }
    };
    answer(older);
    answer(newer);
    const QString how = arrives ? QStringLiteral(" arrived RIFF") : QStringLiteral(" failed");
    QStringList expected{QStringLiteral("newer") + how};
    if (!forgottenFirst) {
        expected.prepend(QStringLiteral("older") + how);
    }
    QCOMPARE(heard, expected);
}

QTEST_APPLESS_MAIN(tst_BrowserSound)
#include "tst_browsersound.moc"
