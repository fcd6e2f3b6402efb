// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The timing of an answer: whole seconds between two clock readings, midnight included, their
// text form, and what the two statistics labels show once the caps are reached.
#include "exercise/Tempi.h"

#include <QtTest>

using namespace bexalo;

class tst_Tempi : public QObject {
    Q_OBJECT
private slots:
    void theSecondsAreTheFloorOfTheDifference_data();
    void theSecondsAreTheFloorOfTheDifference();
    void aTimeIsWrittenWithALeadingSpaceOrAMinusSign_data();
    void aTimeIsWrittenWithALeadingSpaceOrAMinusSign();
    void aLabelShowsTheCapOnceTheValueReachesIt_data();
    void aLabelShowsTheCapOnceTheValueReachesIt();
};

void tst_Tempi::theSecondsAreTheFloorOfTheDifference_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("answer");
    QTest::addColumn<float>("seconds");
    QTest::newRow("at once") << 36000.0f << 36000.0f << 0.0f;
    QTest::newRow("under a second") << 36000.5f << 36001.25f << 0.0f;
    QTest::newRow("seven and a bit") << 36000.0f << 36007.75f << 7.0f;
    QTest::newRow("a whole minute") << 100.125f << 160.125f << 60.0f;
    QTest::newRow("started before midnight") << 86395.5f << 2.0f << 6.0f;
    QTest::newRow("started on the last second") << 86399.75f << 0.0f << 0.0f;
    QTest::newRow("a long one over midnight") << 86000.0f << 400.0f << 800.0f;
}

void tst_Tempi::theSecondsAreTheFloorOfTheDifference()
{
    QFETCH(float, start);
    QFETCH(float, answer);
    QFETCH(float, seconds);
    QCOMPARE(secondiTrascorsi(start, answer), seconds);
    QVERIFY(secondiTrascorsi(start, answer) >= 0.0f);
}

void tst_Tempi::aTimeIsWrittenWithALeadingSpaceOrAMinusSign_data()
{
    QTest::addColumn<float>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0f << " 0";
    QTest::newRow("negative zero") << -0.0f << " 0";
    QTest::newRow("seven") << 7.0f << " 7";
    QTest::newRow("ninety-eight") << 98.0f << " 98";
    QTest::newRow("a hundred and fifty") << 150.0f << " 150";
    QTest::newRow("fifteen hundred") << 1500.0f << " 1500";
    QTest::newRow("minus three") << -3.0f << "-3";
}

void tst_Tempi::aTimeIsWrittenWithALeadingSpaceOrAMinusSign()
{
    QFETCH(float, seconds);
    QFETCH(QString, text);
    QCOMPARE(testoTempo(seconds), text);
}

void tst_Tempi::aLabelShowsTheCapOnceTheValueReachesIt_data()
{
    QTest::addColumn<float>("seconds");
    QTest::addColumn<float>("cap");
    QTest::addColumn<QString>("shown");
    QTest::newRow("partial 0") << 0.0f << kMassimoParziale << " 0";
    QTest::newRow("partial 7") << 7.0f << kMassimoParziale << " 7";
    QTest::newRow("partial 98") << 98.0f << kMassimoParziale << " 98";
    QTest::newRow("partial 99") << 99.0f << kMassimoParziale << "99";
    QTest::newRow("partial 150") << 150.0f << kMassimoParziale << "99";
    QTest::newRow("total 998") << 998.0f << kMassimoTotale << " 998";
    QTest::newRow("total 999") << 999.0f << kMassimoTotale << "999";
    QTest::newRow("total 1500") << 1500.0f << kMassimoTotale << "999";
}

void tst_Tempi::aLabelShowsTheCapOnceTheValueReachesIt()
{
    QFETCH(float, seconds);
    QFETCH(float, cap);
    QFETCH(QString, shown);
    QCOMPARE(testoEtichetta(seconds, testoTempo(seconds), cap), shown);
}

QTEST_APPLESS_MAIN(tst_Tempi)
#include "tst_tempi.moc"
