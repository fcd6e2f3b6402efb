// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Both exercise windows from opening to the next exercise: the load state, the target on show,
// the "+" and "-" presses, the column orders, and each window keeping its own exercise.
#include "BeadRuns.h"
#include "ExerciseRig.h"

#include "controls/Twips.h"
#include "exercise/OrdineColonne.h"

#include <QtTest>
#include <random>

using namespace bexalo;
using namespace bexalo::test;
using R = ExerciseRig;

namespace {

// What the target looks like to the pupil: pictures in frmOperativo1, beads in FrmOperativo2.
bool targetOnShow(ExerciseWindow *w, QString *why)
{
    const bool pictures = w->objectName() == QLatin1String(kFrm1);
    for (Posto p : kAllPlaces) {
        const int digit = w->esercizio().cifra(p);
        const QList<int> seen = pictures ? R::pictures(w, p) : R::beads(w, p);
        const bool ok = pictures ? seen.size() == digit : seen == R::firstN(1, digit);
        if (!ok) {
            *why =
                QStringLiteral("place %1: digit %2, shown %3").arg(int(p)).arg(digit).arg(QString::number(seen.size()));
            return false;
        }
    }
    return true;
}

// What the pupil's answer looks like: beads from the bottom of the rod in frmOperativo1,
// pictures from the top of the column in FrmOperativo2.
bool answerOnShow(ExerciseWindow *w, QString *why)
{
    const bool abacus = w->objectName() == QLatin1String(kFrm1);
    for (Posto p : kAllPlaces) {
        const int count = w->esercizio().conta(p);
        const QList<int> seen = abacus ? R::beads(w, p) : R::pictures(w, p);
        const QList<int> expected = abacus ? R::firstN(1, count) : R::firstN(0, count);
        if (seen != expected) {
            *why = QStringLiteral("place %1: count %2, %3 shown").arg(int(p)).arg(count).arg(seen.size());
            return false;
        }
    }
    return true;
}

QString placesFromLeft(ExerciseWindow *w)
{
    QList<std::pair<int, QString>> columns;
    columns.append({R::control(w, "Frame6")->left(), QStringLiteral("h")});
    columns.append({R::control(w, "Frame5")->left(), QStringLiteral("da")});
    columns.append({R::control(w, "Frame4")->left(), QStringLiteral("u")});
    std::sort(columns.begin(), columns.end());
    QStringList names;
    for (const auto &c : columns) {
        names.append(c.second);
    }
    return names.join(QLatin1Char(' '));
}

float rForSix(int k) { return (float(k - 1) + 0.5f) / 6.0f; }
float rForNine(int n) { return (float(n) + 0.5f) / 9.0f; }

} // namespace

class tst_ExerciseWindow : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheFirstExerciseOfTheChosenLevel_data();
    void openingShowsTheFirstExerciseOfTheChosenLevel();
    void theFirstExerciseShowsTheColumnsInTheirDesignOrder_data();
    void theFirstExerciseShowsTheColumnsInTheirDesignOrder();
    void everyNextExerciseCountsOnAndStartsClean_data();
    void everyNextExerciseCountsOnAndStartsClean();
    void theNextExerciseShowsTheDrawnColumnOrder_data();
    void theNextExerciseShowsTheDrawnColumnOrder();
    void aResizedWindowKeepsTheColumnsBelowTheLevelLine_data();
    void aResizedWindowKeepsTheColumnsBelowTheLevelLine();
    void stackedBeadsCanBeCountedAtAnySize_data();
    void stackedBeadsCanBeCountedAtAnySize();
    void thePressesMoveTheCountsAndTheTwoBigButtons_data();
    void thePressesMoveTheCountsAndTheTwoBigButtons();
    void whatThePupilSeesMatchesTheCountsAfterAnyPresses_data();
    void whatThePupilSeesMatchesTheCountsAfterAnyPresses();
    void thePictureToAbacusWindowNeverSetsUpZero();
    void theDrawsComeInTheirOrder_data();
    void theDrawsComeInTheirOrder();
    void theSameSeedAndClockGiveTheSameExercises_data();
    void theSameSeedAndClockGiveTheSameExercises();
    void twoWindowsOpenAtOnceKeepTheirOwnExercises();
};

void tst_ExerciseWindow::openingShowsTheFirstExerciseOfTheChosenLevel_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("livello");
    QTest::addColumn<bool>("hundreds");
    QTest::addColumn<QString>("levelLine");
    const QString two = QStringLiteral("   decine unità: da  u");
    const QString three = QStringLiteral("   centinaia decine unità: h da  u");
    for (const char *w : {kFrm1, kFrm2}) {
        QTest::addRow("%s level 1", w) << QString::fromLatin1(w) << 1 << false << two;
        QTest::addRow("%s level 2", w) << QString::fromLatin1(w) << 2 << true << three;
        // Opened before a level was chosen: it works at level 1 rather than showing nothing.
        QTest::addRow("%s no level yet", w) << QString::fromLatin1(w) << 0 << false << two;
    }
}

void tst_ExerciseWindow::openingShowsTheFirstExerciseOfTheChosenLevel()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    QFETCH(bool, hundreds);
    QFETCH(QString, levelLine);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    const Esercizio &e = w->esercizio();

    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("1"));
    QCOMPARE(R::caption(w, "Label9"), levelLine);
    QVERIFY(!R::shown(w, "CmdVerifica"));
    QVERIFY(!R::shown(w, "CmdOperazione"));
    QVERIFY(!R::helpFrame(w)->isShown());
    QVERIFY(R::shown(w, "CmdContaUp") && R::shown(w, "CmdContaDap"));
    QCOMPARE(R::shown(w, "CmdContaHp"), hundreds);
    QCOMPARE(R::shown(w, "CmdContaHm"), hundreds);
    QVERIFY(R::countersEnabled(w, true));
    for (const char *label : {"lblRisEsatte", "lblRisErrate", "LblTempoParziale", "LblTempoTotale", "LblEsito"}) {
        QCOMPARE(R::caption(w, label), QString());
    }
    QCOMPARE(e.contaU + e.contaDa + e.contaH, 0);
    QCOMPARE(e.tentativi, 0);
    QCOMPARE(e.tempoInizio, rig.clock.now);

    const int low = window == QLatin1String(kFrm1) ? 0 : 1;
    const int high = window == QLatin1String(kFrm1) ? 8 : 9;
    QVERIFY(e.cifraU >= low && e.cifraU <= high);
    QVERIFY(e.cifraDa >= low && e.cifraDa <= high);
    if (hundreds) {
        QVERIFY(e.cifraH >= low && e.cifraH <= high);
    } else {
        QCOMPARE(e.cifraH, 0);
    }
    QVERIFY(e.cifraU + e.cifraDa + e.cifraH > 0);
    QString why;
    QVERIFY2(targetOnShow(w, &why), qPrintable(why));
    QVERIFY2(answerOnShow(w, &why), qPrintable(why));
}

void tst_ExerciseWindow::theFirstExerciseShowsTheColumnsInTheirDesignOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("places");
    QTest::newRow(kFrm1) << QString::fromLatin1(kFrm1) << "u h da";
    QTest::newRow(kFrm2) << QString::fromLatin1(kFrm2) << "da h u";
}

void tst_ExerciseWindow::theFirstExerciseShowsTheColumnsInTheirDesignOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, places);
    ExerciseRig rig;
    // Whatever order genera drew at load, the first layout pass puts the design order back.
    rig.random.script = {rForSix(1)};
    ExerciseWindow *w = rig.open(window, 2);
    QCOMPARE(placesFromLeft(w), places);
}

void tst_ExerciseWindow::everyNextExerciseCountsOnAndStartsClean_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("livello");
    QTest::addColumn<bool>("rightBefore"); // each exercise left right rather than wrong
    for (const char *w : {kFrm1, kFrm2}) {
        for (int l : {1, 2}) {
            QTest::addRow("%s level %d, after wrong answers", w, l) << QString::fromLatin1(w) << l << false;
            QTest::addRow("%s level %d, after right answers", w, l) << QString::fromLatin1(w) << l << true;
        }
    }
}

void tst_ExerciseWindow::everyNextExerciseCountsOnAndStartsClean()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    QFETCH(bool, rightBefore);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    for (int n = 2; n <= 4; ++n) {
        if (rightBefore) {
            // Leave the previous exercise right: "CORRETTO" and the digits on show.
            QVERIFY(R::answerRight(w));
            QVERIFY(R::press(w, "CmdVerifica"));
            if (window == QLatin1String(kFrm1)) {
                QVERIFY(R::shown(w, "Label8"));
                QVERIFY(!R::caption(w, "Label7").isEmpty());
            }
        } else {
            // Leave the previous exercise wrong, with red pairs and an answer on show.
            const Esercizio before = w->esercizio();
            QVERIFY(R::press(w, "CmdContaUp", before.cifraU == 1 ? 2 : 1));
            QVERIFY(R::press(w, "CmdVerifica"));
            QVERIFY(R::press(w, "Cmdsi"));
        }
        rig.clock.now += 10.0f;
        QVERIFY(R::press(w, "CmdOperazione"));

        const Esercizio &e = w->esercizio();
        QCOMPARE(R::caption(w, "LblOperazione"), QString::number(n));
        QCOMPARE(e.numOperazione, n);
        QCOMPARE(e.contaU + e.contaDa + e.contaH, 0);
        QCOMPARE(e.tentativi, 0);
        QCOMPARE(e.tempoInizio, rig.clock.now);
        QVERIFY(!R::shown(w, "CmdVerifica"));
        QVERIFY(!R::shown(w, "CmdOperazione"));
        QCOMPARE(R::caption(w, "LblEsito"), QString());
        QVERIFY(R::countersEnabled(w, true));
        for (Posto p : kAllPlaces) {
            QCOMPARE(R::pairColour(w, p), kGiallo);
        }
        QCOMPARE(R::shown(w, "CmdContaHp"), livello == 2);
        if (window == QLatin1String(kFrm1)) {
            QVERIFY(!R::shown(w, "Label8"));
            for (const char *digit : {"Label4", "Label6", "Label7"}) {
                QCOMPARE(R::caption(w, digit), QString());
            }
        }
        // The statistics keep what the last verification showed.
        QCOMPARE(R::caption(w, rightBefore ? "lblRisEsatte" : "lblRisErrate"), QString::number(n - 1));
        QCOMPARE(R::caption(w, rightBefore ? "lblRisErrate" : "lblRisEsatte"), QString());
        QString why;
        QVERIFY2(targetOnShow(w, &why), qPrintable(why));
        QVERIFY2(answerOnShow(w, &why), qPrintable(why));
    }
}

void tst_ExerciseWindow::theNextExerciseShowsTheDrawnColumnOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("places");
    const char *orders[] = {"h da u", "h u da", "u da h", "da u h", "da h u", "u h da"};
    for (const char *w : {kFrm1, kFrm2}) {
        for (int k = 1; k <= 6; ++k) {
            QTest::addRow("%s order %d", w, k) << QString::fromLatin1(w) << k << QString::fromLatin1(orders[k - 1]);
        }
    }
}

void tst_ExerciseWindow::theNextExerciseShowsTheDrawnColumnOrder()
{
    QFETCH(QString, window);
    QFETCH(int, k);
    QFETCH(QString, places);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    QVERIFY(R::answerRight(w));
    QVERIFY(R::press(w, "CmdVerifica"));
    // FrmOperativo2 arranges the columns once more before genera: only genera's order is seen.
    if (window == QLatin1String(kFrm2)) {
        rig.random.script = {rForSix(k == 1 ? 2 : 1), rForSix(k)};
    } else {
        rig.random.script = {rForSix(k)};
    }
    QVERIFY(R::press(w, "CmdOperazione"));

    QCOMPARE(placesFromLeft(w), places);
    const OrdineColonne &ordine = ordineColonne(k);
    const char *columnOf[] = {"Frame6", "Frame5", "Frame4"};
    for (const PostoColonna &p : ordine) {
        Control *column = R::control(w, columnOf[int(p.colonna)]);
        QCOMPARE(column->left(), R::control(w, "lblH", p.marker)->left());
        QCOMPARE(column->top(), 960);
    }
    // A resize puts the design order back until the next exercise.
    w->resize(w->width() + 30, w->height());
    QTRY_COMPARE(placesFromLeft(w),
                 window == QLatin1String(kFrm1) ? QStringLiteral("u h da") : QStringLiteral("da h u"));
}

void tst_ExerciseWindow::aResizedWindowKeepsTheColumnsBelowTheLevelLine_data() { addWindowRows(); }

void tst_ExerciseWindow::aResizedWindowKeepsTheColumnsBelowTheLevelLine()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 1);
    const int designHeight = w->height();
    w->resize(w->width(), 2 * designHeight);
    QTRY_COMPARE(w->height(), 2 * designHeight);
    QVERIFY(R::answerRight(w));
    QVERIFY(R::press(w, "CmdVerifica"));
    QVERIFY(R::press(w, "CmdOperazione"));
    // Twice the height: 960 twips become 1920, still below the level line like the rest.
    for (const char *column : {"Frame4", "Frame5", "Frame6"}) {
        QCOMPARE(R::control(w, column)->top(), 1920);
        QVERIFY(R::control(w, column)->top() >= R::control(w, "Label9")->top() + R::control(w, "Label9")->height());
    }
}

void tst_ExerciseWindow::stackedBeadsCanBeCountedAtAnySize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("place"); // Posto
    QTest::addColumn<int>("shown");
    for (const char *w : {kFrm1, kFrm2}) {
        const int cap = QLatin1String(w) == QLatin1String(kFrm1) ? 10 : 9;
        for (const char *size : {"design", "maximised", "twice the design", "two thirds of the design"}) {
            for (Posto p : kAllPlaces) {
                for (int n : {2, 3, cap}) {
                    QTest::addRow("%s %s, %s, %d beads", w, size, names(p).beads, n)
                        << QString::fromLatin1(w) << QString::fromLatin1(size) << int(p) << n;
                }
            }
        }
    }
}

void tst_ExerciseWindow::stackedBeadsCanBeCountedAtAnySize()
{
    QFETCH(QString, window);
    QFETCH(QString, size);
    QFETCH(int, place);
    QFETCH(int, shown);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    const QSize design = w->size();
    if (size == QLatin1String("maximised")) {
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized() && w->size() != design);
    } else if (size == QLatin1String("twice the design")) {
        w->resize(design * 2);
    } else if (size == QLatin1String("two thirds of the design")) {
        w->resize(design * 2 / 3);
    }
    const char *beads = kPlaces[place].beads;
    for (int i = 1; i <= 10; ++i) {
        R::control(w, beads, i)->setShown(i <= shown);
    }
    const QRgb colour = R::control(w, beads, 1)->backColor();
    QCOMPARE(beadRuns(*w, beads, colour), shown);
}

void tst_ExerciseWindow::thePressesMoveTheCountsAndTheTwoBigButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QList<int>>("counts"); // h, da, u
    QTest::addColumn<bool>("verifyShown");
    for (const char *w : {kFrm1, kFrm2}) {
        const bool abacus = QLatin1String(w) == QLatin1String(kFrm1);
        const int cap = abacus ? 10 : 9;
        // Row names put together here: GCC 12 takes addRow's "%s" of w for a null argument.
        const auto row = [w](const char *what) -> QTestData & {
            return QTest::newRow((QByteArray(w) + ": " + what).constData());
        };
        row("a first \"-\" changes nothing and hides verify")
            << QString::fromLatin1(w) << QStringList{"CmdContaUm"} << QList{0, 0, 0} << false;
        row("\"+\" stops at the cap") << QString::fromLatin1(w) << QStringList(cap + 2, QStringLiteral("CmdContaDap"))
                                      << QList{0, cap, 0} << true;
        row("\"-\" from the cap") << QString::fromLatin1(w)
                                  << (QStringList(cap + 1, QStringLiteral("CmdContaHp"))
                                      << QStringLiteral("CmdContaHm"))
                                  << QList{cap - 1, 0, 0} << true;
        row("\"+\" then \"-\" back to empty hides verify")
            << QString::fromLatin1(w) << QStringList{"CmdContaUp", "CmdContaUm"} << QList{0, 0, 0} << false;
        row("another count keeps verify")
            << QString::fromLatin1(w) << QStringList{"CmdContaHp", "CmdContaUp", "CmdContaUm", "CmdContaUm"}
            << QList{1, 0, 0} << true;
    }
}

void tst_ExerciseWindow::thePressesMoveTheCountsAndTheTwoBigButtons()
{
    QFETCH(QString, window);
    QFETCH(QStringList, presses);
    QFETCH(QList<int>, counts);
    QFETCH(bool, verifyShown);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    for (const QString &p : presses) {
        QVERIFY2(R::press(w, p.toLatin1().constData()), qPrintable(p));
        QVERIFY(!R::shown(w, "CmdOperazione"));
    }
    const Esercizio &e = w->esercizio();
    QCOMPARE((QList{e.contaH, e.contaDa, e.contaU}), counts);
    QCOMPARE(R::shown(w, "CmdVerifica"), verifyShown);
    QString why;
    QVERIFY2(answerOnShow(w, &why), qPrintable(why));
}

void tst_ExerciseWindow::whatThePupilSeesMatchesTheCountsAfterAnyPresses_data() { addWindowAndLevelRows(); }

void tst_ExerciseWindow::whatThePupilSeesMatchesTheCountsAfterAnyPresses()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    std::mt19937 pick(livello * 31 + window.size());
    const char *buttons[] = {"CmdContaUp", "CmdContaUm", "CmdContaDap", "CmdContaDam", "CmdContaHp", "CmdContaHm"};
    for (int i = 0; i < 400; ++i) {
        const char *b = buttons[pick() % 6];
        const bool hundreds = QByteArray(b).startsWith("CmdContaH");
        // At level 1 the hundreds buttons are out of reach.
        QCOMPARE(R::press(w, b), livello == 2 || !hundreds);
        QString why;
        QVERIFY2(answerOnShow(w, &why), qPrintable(QStringLiteral("after %1 presses: ").arg(i + 1) + why));
        QVERIFY2(targetOnShow(w, &why) || window == QLatin1String(kFrm2), qPrintable(why));
        QCOMPARE(R::shown(w, "CmdVerifica"), !w->esercizio().tutteLeConteAZero());
    }
    if (livello == 1) {
        QCOMPARE(w->esercizio().contaH, 0);
    }
}

void tst_ExerciseWindow::thePictureToAbacusWindowNeverSetsUpZero()
{
    ExerciseRig rig;
    // Every digit of the first scatters comes out 0: the window scatters again.
    rig.random.script = {0.0f,        rForNine(0), rForNine(0), rForNine(0),
                         rForNine(3), rForNine(6), rForNine(1), rForNine(2)};
    ExerciseWindow *w = rig.open(QString::fromLatin1(kFrm1), 1);
    QVERIFY(rig.random.script.empty());
    QCOMPARE(w->esercizio().cifraU, 0);
    QCOMPARE(w->esercizio().cifraDa, 3);
    QCOMPARE(R::pictures(w, Posto::Decine), (QList{1, 2, 6}));
    QVERIFY(R::pictures(w, Posto::Unita).isEmpty());

    for (int livello : {1, 2}) {
        rig.modulo.livello = std::int16_t(livello);
        for (int i = 0; i < 300; ++i) {
            QVERIFY(R::answerRight(w));
            QVERIFY(R::press(w, "CmdVerifica"));
            QVERIFY(R::press(w, "CmdOperazione"));
            const Esercizio &e = w->esercizio();
            QVERIFY2(e.cifraU + e.cifraDa + e.cifraH > 0, "a target of 0 was set up");
        }
    }
}

void tst_ExerciseWindow::theDrawsComeInTheirOrder_data() { addWindowRows(); }

void tst_ExerciseWindow::theDrawsComeInTheirOrder()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    if (window == QLatin1String(kFrm1)) {
        // Column order, then per place (units, tens, hundreds) its digit and its slots.
        rig.random.script = {rForSix(3),  rForNine(2), rForNine(4), rForNine(4), rForNine(8), rForNine(1),
                             rForNine(0), rForNine(3), rForNine(5), rForNine(6), rForNine(7)};
    } else {
        // Column order, then the units, tens and hundreds digits.
        rig.random.script = {rForSix(3), rForNine(1), rForNine(8), rForNine(4)};
    }
    ExerciseWindow *w = rig.open(window, 2);
    QVERIFY(rig.random.script.empty());
    const Esercizio &e = w->esercizio();
    if (window == QLatin1String(kFrm1)) {
        QCOMPARE((QList{e.cifraH, e.cifraDa, e.cifraU}), (QList{3, 1, 2}));
        QCOMPARE(R::pictures(w, Posto::Unita), (QList{4, 8}));
        QCOMPARE(R::pictures(w, Posto::Decine), (QList{0}));
        QCOMPARE(R::pictures(w, Posto::Centinaia), (QList{5, 6, 7}));
        // The generator is reseeded from the clock once per exercise, after the column draw.
        QCOMPARE(rig.random.reseeds, (QList<float>{rig.clock.now}));
    } else {
        QCOMPARE((QList{e.cifraH, e.cifraDa, e.cifraU}), (QList{5, 9, 2}));
        QCOMPARE(R::beads(w, Posto::Centinaia), R::firstN(1, 5));
        QVERIFY(rig.random.reseeds.isEmpty());

        // The help scatters the same digits again: units, tens, hundreds, each its own slots.
        QVERIFY(R::press(w, "CmdContaUp"));
        QVERIFY(R::press(w, "CmdVerifica"));
        rig.random.script = {rForNine(7), rForNine(0), rForNine(0), rForNine(1), rForNine(2), rForNine(3),
                             rForNine(4), rForNine(5), rForNine(6), rForNine(7), rForNine(8), rForNine(8),
                             rForNine(6), rForNine(4), rForNine(2), rForNine(0)};
        QVERIFY(R::press(w, "Cmdsi"));
        QVERIFY(rig.random.script.empty());
        QCOMPARE(R::pictures(w, Posto::Unita), (QList{0, 7}));
        QCOMPARE(R::pictures(w, Posto::Decine), (QList{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(R::pictures(w, Posto::Centinaia), (QList{0, 2, 4, 6, 8}));
        QCOMPARE((QList{e.cifraH, e.cifraDa, e.cifraU}), (QList{5, 9, 2}));
    }
}

void tst_ExerciseWindow::theSameSeedAndClockGiveTheSameExercises_data() { addWindowRows(); }

void tst_ExerciseWindow::theSameSeedAndClockGiveTheSameExercises()
{
    QFETCH(QString, window);
    auto run = [&window](std::uint32_t seed) {
        ExerciseRig rig;
        MersenneRandom generator(seed);
        rig.modulo.random = &generator;
        ExerciseWindow *w = rig.open(window, 2);
        QList<int> targets;
        for (int i = 0; i < 15; ++i) {
            const Esercizio &e = w->esercizio();
            targets << e.cifraH << e.cifraDa << e.cifraU << R::control(w, "Frame4")->left();
            if (!R::answerRight(w) || !R::press(w, "CmdVerifica") || !R::press(w, "CmdOperazione")) {
                return QList<int>{};
            }
            rig.clock.now += 1.0f;
        }
        return targets;
    };
    const QList<int> first = run(5);
    QCOMPARE(first.size(), 60);
    QCOMPARE(run(5), first);
    if (window == QLatin1String(kFrm1)) {
        // Every genera reseeds from the clock: the same readings give the same exercises,
        // whatever state the generator started from.
        QCOMPARE(run(6), first);
    } else {
        // Nothing reseeds this window's draws: another starting state, other exercises.
        QVERIFY(run(6) != first);
    }
}

void tst_ExerciseWindow::twoWindowsOpenAtOnceKeepTheirOwnExercises()
{
    ExerciseRig rig;
    ExerciseWindow *one = rig.open(QString::fromLatin1(kFrm1), 2);
    QVERIFY(R::press(one, "CmdContaUp"));
    QVERIFY(R::press(one, "CmdContaUp"));
    const Esercizio target = one->esercizio();

    // Opening the other window, its presses and its exercises leave this one alone.
    ExerciseWindow *two = rig.open(QString::fromLatin1(kFrm2), 2);
    QVERIFY(R::press(two, "CmdContaDap"));
    QVERIFY(R::press(two, "CmdContaDam"));
    QVERIFY(R::answerRight(two));
    QVERIFY(R::press(two, "CmdVerifica"));
    QCOMPARE(R::caption(two, "LblEsito"), QStringLiteral("Esatto"));
    QVERIFY(R::press(two, "CmdOperazione"));

    const Esercizio &e = one->esercizio();
    QCOMPARE(e.contaU, 2);
    QCOMPARE(e.contaDa, 0);
    QCOMPARE((QList{e.cifraH, e.cifraDa, e.cifraU}), (QList{target.cifraH, target.cifraDa, target.cifraU}));
    QCOMPARE(e.numOperazione, 1);
    QCOMPARE(R::caption(one, "LblOperazione"), QStringLiteral("1"));
    QCOMPARE(two->esercizio().numOperazione, 2);

    // The answer is checked against this window's own target.
    QVERIFY(R::press(one, "CmdContaUm", 2));
    QVERIFY(R::answerRight(one));
    QVERIFY(R::press(one, "CmdVerifica"));
    QCOMPARE(R::caption(one, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(R::caption(one, "lblRisEsatte"), QStringLiteral("1"));
    QCOMPARE(R::caption(two, "lblRisEsatte"), QStringLiteral("1"));
    QCOMPARE(two->esercizio().risEsatte, 1);
}

QTEST_MAIN(tst_ExerciseWindow)
#include "tst_exercisewindow.moc"
