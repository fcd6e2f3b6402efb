// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The verdict on an answer: right only when all three places match, and exactly the places
// that differ are wrong, whether the pupil put too many or too few.
#include "exercise/Verdetto.h"

#include <QtTest>

using namespace bexalo;

class tst_Verdetto : public QObject {
    Q_OBJECT
private slots:
    void exactlyThePlacesThatDifferAreWrong_data();
    void exactlyThePlacesThatDifferAreWrong();
};

void tst_Verdetto::exactlyThePlacesThatDifferAreWrong_data()
{
    QTest::addColumn<QList<int>>("target"); // h, da, u
    QTest::addColumn<QList<int>>("answer"); // h, da, u
    QTest::addColumn<QList<bool>>("wrong"); // h, da, u
    QTest::newRow("right at level 2") << QList{3, 5, 8} << QList{3, 5, 8} << QList{false, false, false};
    QTest::newRow("right at level 1") << QList{0, 4, 1} << QList{0, 4, 1} << QList{false, false, false};
    QTest::newRow("too many units") << QList{0, 4, 1} << QList{0, 4, 2} << QList{false, false, true};
    QTest::newRow("too few tens") << QList{2, 4, 1} << QList{2, 3, 1} << QList{false, true, false};
    QTest::newRow("ten beads for eight") << QList{0, 8, 0} << QList{0, 10, 0} << QList{false, true, false};
    QTest::newRow("only the hundreds") << QList{9, 9, 9} << QList{1, 9, 9} << QList{true, false, false};
    QTest::newRow("every place") << QList{1, 2, 3} << QList{3, 2, 1} << QList{true, false, true};
}

void tst_Verdetto::exactlyThePlacesThatDifferAreWrong()
{
    QFETCH(QList<int>, target);
    QFETCH(QList<int>, answer);
    QFETCH(QList<bool>, wrong);
    Esercizio e;
    e.cifraH = target[0];
    e.cifraDa = target[1];
    e.cifraU = target[2];
    e.contaH = answer[0];
    e.contaDa = answer[1];
    e.contaU = answer[2];
    const Verdetto v = verdetto(e);
    QCOMPARE(v.errato(Posto::Centinaia), wrong[0]);
    QCOMPARE(v.errato(Posto::Decine), wrong[1]);
    QCOMPARE(v.errato(Posto::Unita), wrong[2]);
    QCOMPARE(v.esatto(), !wrong.contains(true));
}

QTEST_APPLESS_MAIN(tst_Verdetto)
#include "tst_verdetto.moc"
