// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The draws of an exercise as plain functions of the generator: the distinct posti of a
// scatter with their redraws, the column orders and their table, and values that never reach 1.
#include "exercise/OrdineColonne.h"
#include "exercise/Sorteggio.h"
#include "fakes/ScriptedRandom.h"
#include "platform/Random.h"

#include <QtTest>
#include <set>

using namespace bexalo;
using bexalo::test::ScriptedRandom;

namespace {

// A value of r for which floor(9 r) is `slot`.
float rForNine(int slot) { return (float(slot) + 0.5f) / 9.0f; }

QString placeName(Posto p)
{
    switch (p) {
    case Posto::Centinaia:
        return QStringLiteral("h");
    case Posto::Decine:
        return QStringLiteral("da");
    case Posto::Unita:
        break;
    }
    return QStringLiteral("u");
}

// The marker that is the left edge of a column placed after the given columns.
int markerAfter(std::set<Posto> before)
{
    using P = Posto;
    if (before.empty())
        return 0;
    if (before == std::set<P>{P::Unita})
        return 1;
    if (before == std::set<P>{P::Decine})
        return 2;
    if (before == std::set<P>{P::Centinaia})
        return 3;
    if (before == std::set<P>{P::Centinaia, P::Decine})
        return 4;
    if (before == std::set<P>{P::Centinaia, P::Unita})
        return 5;
    if (before == std::set<P>{P::Unita, P::Decine})
        return 6;
    return -1;
}

} // namespace

class tst_Sorteggio : public QObject {
    Q_OBJECT
private slots:
    void aScatterGivesExactlyItsDigitInDistinctSlots_data();
    void aScatterGivesExactlyItsDigitInDistinctSlots();
    void aRepeatedSlotIsDrawnAgainForTheSamePicture();
    void everySlotComesUpOverManyScatters();
    void theColumnOrderDrawCoversOneToSixAtTheEdgesOfR();
    void theSixColumnOrdersComeUpAboutEquallyOften();
    void eachColumnOrderPlacesEveryColumnOnceAtTheRightMarkers_data();
    void eachColumnOrderPlacesEveryColumnOnceAtTheRightMarkers();
    void theSixOrdersAreSixDifferentArrangements();
    void rNeverReachesOne();
    void theSameSeedGivesTheSameDrawsAndTheSameClockReadingTheSameReseed();
};

void tst_Sorteggio::aScatterGivesExactlyItsDigitInDistinctSlots_data()
{
    QTest::addColumn<int>("digit");
    for (int d : {0, 1, 4, 8, 9}) {
        QTest::addRow("digit %d", d) << d;
    }
}

void tst_Sorteggio::aScatterGivesExactlyItsDigitInDistinctSlots()
{
    QFETCH(int, digit);
    MersenneRandom random(12345);
    for (int round = 0; round < 500; ++round) {
        const std::vector<int> posti = drawSlots(random, digit);
        QCOMPARE(int(posti.size()), digit);
        const std::set<int> distinct(posti.begin(), posti.end());
        QCOMPARE(int(distinct.size()), digit);
        for (int s : posti) {
            QVERIFY2(s >= 0 && s <= 8, qPrintable(QString::number(s)));
        }
    }
}

void tst_Sorteggio::aRepeatedSlotIsDrawnAgainForTheSamePicture()
{
    ScriptedRandom random;
    // 2, then 2 again (discarded), 5, then 2 and 5 again (both discarded), 7; 4 is never reached.
    random.script = {rForNine(2), rForNine(2), rForNine(5), rForNine(2), rForNine(5), rForNine(7), rForNine(4)};
    const std::vector<int> posti = drawSlots(random, 3);
    QCOMPARE(posti, (std::vector<int>{2, 5, 7}));
    QCOMPARE(random.draws, 6);
    QCOMPARE(random.script.size(), size_t(1));
}

void tst_Sorteggio::everySlotComesUpOverManyScatters()
{
    MersenneRandom random(99);
    std::array<int, 9> seen{};
    for (int round = 0; round < 3000; ++round) {
        for (int s : drawSlots(random, 3)) {
            ++seen[size_t(s)];
        }
    }
    // 9000 pictures over nine posti: about 1000 each.
    for (int n : seen) {
        QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
    }
}

void tst_Sorteggio::theColumnOrderDrawCoversOneToSixAtTheEdgesOfR()
{
    ScriptedRandom random;
    random.script = {0.0f, unitFloatFromBits(0xFFFFFFFFu), 0.5f, 1.0f / 6.0f};
    QCOMPARE(drawColumnOrder(random), 1);
    QCOMPARE(drawColumnOrder(random), 6);
    QCOMPARE(drawColumnOrder(random), 4);
    QCOMPARE(drawColumnOrder(random), 2);
}

void tst_Sorteggio::theSixColumnOrdersComeUpAboutEquallyOften()
{
    MersenneRandom random(2024);
    std::array<int, 7> seen{};
    const int draws = 60000;
    for (int i = 0; i < draws; ++i) {
        const int k = drawColumnOrder(random);
        QVERIFY(k >= 1 && k <= 6);
        ++seen[size_t(k)];
    }
    // 10000 expected each, standard deviation about 91: a bound of 600 only fails a broken draw.
    for (int k = 1; k <= 6; ++k) {
        QVERIFY2(std::abs(seen[size_t(k)] - draws / 6) < 600,
                 qPrintable(QStringLiteral("order %1 came up %2 times").arg(k).arg(seen[size_t(k)])));
    }
}

void tst_Sorteggio::eachColumnOrderPlacesEveryColumnOnceAtTheRightMarkers_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("places");
    QTest::newRow("1") << 1 << "h da u";
    QTest::newRow("2") << 2 << "h u da";
    QTest::newRow("3") << 3 << "u da h";
    QTest::newRow("4") << 4 << "da u h";
    QTest::newRow("5") << 5 << "da h u";
    QTest::newRow("6") << 6 << "u h da";
}

void tst_Sorteggio::eachColumnOrderPlacesEveryColumnOnceAtTheRightMarkers()
{
    QFETCH(int, k);
    QFETCH(QString, places);
    const OrdineColonne &ordine = ordineColonne(k);
    QStringList seen;
    std::set<Posto> before;
    for (const PostoColonna &p : ordine) {
        QCOMPARE(p.marker, markerAfter(before));
        QVERIFY(!before.contains(p.colonna));
        before.insert(p.colonna);
        seen.append(placeName(p.colonna));
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), places);
}

void tst_Sorteggio::theSixOrdersAreSixDifferentArrangements()
{
    std::set<std::vector<Posto>> arrangements;
    for (int k = 1; k <= 6; ++k) {
        std::vector<Posto> a;
        for (const PostoColonna &p : ordineColonne(k)) {
            a.push_back(p.colonna);
        }
        arrangements.insert(a);
    }
    QCOMPARE(int(arrangements.size()), 6);
}

void tst_Sorteggio::rNeverReachesOne()
{
    // The largest value the generator can give is the largest float below 1.
    const float top = unitFloatFromBits(0xFFFFFFFFu);
    QVERIFY(top < 1.0f);
    QCOMPARE(top, std::nextafter(1.0f, 0.0f));
    QCOMPARE(int(std::floor(9.0f * top)), 8);
    QCOMPARE(int(std::floor(6.0f * top)) + 1, 6);
    QCOMPARE(unitFloatFromBits(0u), 0.0f);

    MersenneRandom random;
    for (int i = 0; i < 1000000; ++i) {
        const float r = random.next();
        if (!(r >= 0.0f && r < 1.0f)) {
            QFAIL(qPrintable(QStringLiteral("draw %1 gave %2").arg(i).arg(double(r))));
        }
    }
}

void tst_Sorteggio::theSameSeedGivesTheSameDrawsAndTheSameClockReadingTheSameReseed()
{
    MersenneRandom a;
    MersenneRandom b;
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(a.next(), b.next());
    }
    a.reseed(36000.25f);
    b.reseed(36000.25f);
    std::vector<float> fromA;
    for (int i = 0; i < 20; ++i) {
        const float r = a.next();
        QCOMPARE(r, b.next());
        fromA.push_back(r);
    }
    b.reseed(36000.5f);
    std::vector<float> fromB;
    for (int i = 0; i < 20; ++i) {
        fromB.push_back(b.next());
    }
    QVERIFY(fromA != fromB);
}

QTEST_APPLESS_MAIN(tst_Sorteggio)
#include "tst_sorteggio.moc"
