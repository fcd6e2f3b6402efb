// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// One exercise through every path in both windows: a right answer with its sound, digits and
// times; a wrong one with its red places and the help offer; "Si"; "No" once, twice and the
// third time with its message; and the timing the statistics show.
#include "ExerciseRig.h"

#include "exercise/Tempi.h"

#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;
using R = ExerciseRig;

namespace {

bool isAbacusWindow(ExerciseWindow *w) { return w->objectName() == QLatin1String(kFrm1); }
int capOf(ExerciseWindow *w) { return isAbacusWindow(w) ? 10 : 9; }

// The target's digits h, da, u, with each place named in `wrong` off by one (one more where
// the cap allows, else one fewer).
QList<int> answerWith(ExerciseWindow *w, const QList<Posto> &wrong)
{
    const Esercizio &e = w->esercizio();
    QList<int> hdu{e.cifraH, e.cifraDa, e.cifraU};
    for (Posto p : wrong) {
        int &n = hdu[int(p)];
        n = n < capOf(w) ? n + 1 : n - 1;
    }
    return hdu;
}

[[nodiscard]] bool answerWrong(ExerciseWindow *w, const QList<Posto> &wrong = {Posto::Unita})
{
    const QList<int> hdu = answerWith(w, wrong);
    return R::answer(w, hdu[0], hdu[1], hdu[2]) && R::press(w, "CmdVerifica");
}

// The right answer on show in the pupil's area, and nothing else: beads 1 to the digit on each
// rod, or as many scattered pictures as the digit in each column.
bool rightAnswerOnShow(ExerciseWindow *w, QString *why)
{
    for (Posto p : kAllPlaces) {
        const int digit = w->esercizio().cifra(p);
        const QList<int> seen = isAbacusWindow(w) ? R::beads(w, p) : R::pictures(w, p);
        const bool ok = isAbacusWindow(w) ? seen == R::firstN(1, digit) : seen.size() == digit;
        if (!ok) {
            *why = QStringLiteral("place %1: digit %2, %3 shown").arg(int(p)).arg(digit).arg(seen.size());
            return false;
        }
    }
    return true;
}

bool pupilAnswerEmpty(ExerciseWindow *w)
{
    for (Posto p : kAllPlaces) {
        if (!(isAbacusWindow(w) ? R::beads(w, p) : R::pictures(w, p)).isEmpty()) {
            return false;
        }
    }
    return true;
}

bool allYellow(ExerciseWindow *w)
{
    for (Posto p : kAllPlaces) {
        if (R::pairColour(w, p) != kGiallo) {
            return false;
        }
    }
    return true;
}

bool helpInFront(ExerciseWindow *w)
{
    Frame *help = R::helpFrame(w);
    for (const char *covered : {"CmdOperazione", "CmdVerifica"}) {
        QWidget *seen = R::seenAtCentreOf(w, covered);
        if (!seen || (seen != help && !help->isAncestorOf(seen))) {
            return false;
        }
    }
    return help->isVisible();
}

const QString kMessage = QStringLiteral("Hai già fatto 3 tentativi. \nOra intervengo io. ");

} // namespace

class tst_ExerciseCycle : public QObject {
    Q_OBJECT
private slots:
    void aRightAnswerIsPraisedCountedHeardAndTimed_data();
    void aRightAnswerIsPraisedCountedHeardAndTimed();
    void aWrongAnswerTurnsExactlyTheWrongPairsRedAndOffersHelp_data();
    void aWrongAnswerTurnsExactlyTheWrongPairsRedAndOffersHelp();
    void acceptedHelpShowsTheRightAnswerAndLeavesOnlyTheNextExercise_data();
    void acceptedHelpShowsTheRightAnswerAndLeavesOnlyTheNextExercise();
    void twoRefusalsLetThePupilTryAgainUntilRight_data();
    void twoRefusalsLetThePupilTryAgainUntilRight();
    void theThirdRefusalBringsTheMessageAndTheRightAnswer_data();
    void theThirdRefusalBringsTheMessageAndTheRightAnswer();
    void refusalsCountWithinOneExerciseOnly();
    void refusalsDoNotCarryIntoAWindowOpenedLater();
    void theNextExerciseFromTheKeyboardPutsTheHelpOfferAway_data();
    void theNextExerciseFromTheKeyboardPutsTheHelpOfferAway();
    void escAnswersNoOnlyWhileTheHelpOfferIsUp();
    void theTimesShowWithTheirCaps_data();
    void theTimesShowWithTheirCaps();
    void theTotalTimeRunsOnAcrossWindowsWhileTheCountsStartAgain();
    void theRightAndWrongCountsStopAtTheirLimit();
    void closingTheWindowWhileTheMessageIsUpIsSafe();
};

void tst_ExerciseCycle::aRightAnswerIsPraisedCountedHeardAndTimed_data() { addWindowAndLevelRows(); }

void tst_ExerciseCycle::aRightAnswerIsPraisedCountedHeardAndTimed()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    QVERIFY(R::answerRight(w));
    rig.clock.now += 7.5f;
    QVERIFY(R::press(w, "CmdVerifica"));
    const Esercizio &e = w->esercizio();

    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(R::caption(w, "lblRisEsatte"), QStringLiteral("1"));
    QCOMPARE(R::caption(w, "lblRisErrate"), QString());
    QCOMPARE(rig.sound.played, QStringList{QStringLiteral("/opt/bexalo/positivo.wav")});
    QCOMPARE(R::caption(w, "LblTempoParziale"), QStringLiteral(" 7"));
    QCOMPARE(R::caption(w, "LblTempoTotale"), QStringLiteral(" 7"));
    QCOMPARE(rig.modulo.tempoTotale.value_or(-1.0f), 7.0f);
    QVERIFY(!R::shown(w, "CmdVerifica"));
    QVERIFY(R::button(w, "CmdOperazione")->isVisible());
    QCOMPARE(w->focusWidget(), R::button(w, "CmdOperazione"));
    QVERIFY(!R::helpFrame(w)->isShown());
    QVERIFY(R::countersEnabled(w, false));
    QVERIFY(allYellow(w));
    if (isAbacusWindow(w)) {
        QVERIFY(R::shown(w, "Label8"));
        QCOMPARE(R::caption(w, "Label8"), QStringLiteral("CORRETTO"));
        QCOMPARE(R::caption(w, "Label7"), QString::number(e.cifraU));
        QCOMPARE(R::caption(w, "Label6"), QString::number(e.cifraDa));
        QCOMPARE(R::caption(w, "Label4"), livello == 2 ? QString::number(e.cifraH) : QString());
    } else {
        QVERIFY(!R::control(w, "Label8"));
    }
}

void tst_ExerciseCycle::aWrongAnswerTurnsExactlyTheWrongPairsRedAndOffersHelp_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<Posto>>("wrong");
    const Posto H = Posto::Centinaia, Da = Posto::Decine, U = Posto::Unita;
    for (const char *w : {kFrm1, kFrm2}) {
        const QString name = QString::fromLatin1(w);
        QTest::addRow("%s level 1, units", w) << name << 1 << QList{U};
        QTest::addRow("%s level 1, tens and units", w) << name << 1 << QList{Da, U};
        QTest::addRow("%s level 2, hundreds", w) << name << 2 << QList{H};
        QTest::addRow("%s level 2, every place", w) << name << 2 << QList{H, Da, U};
    }
}

void tst_ExerciseCycle::aWrongAnswerTurnsExactlyTheWrongPairsRedAndOffersHelp()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    QFETCH(QList<Posto>, wrong);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    rig.clock.now += 3.0f;
    QVERIFY(answerWrong(w, wrong));

    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Errato"));
    QCOMPARE(R::caption(w, "lblRisErrate"), QStringLiteral("1"));
    QCOMPARE(R::caption(w, "lblRisEsatte"), QString());
    QVERIFY(rig.sound.played.isEmpty());
    QCOMPARE(R::caption(w, "LblTempoParziale"), QStringLiteral(" 3"));
    for (Posto p : kAllPlaces) {
        QCOMPARE(R::pairColour(w, p), wrong.contains(p) ? kRosso : kGiallo);
    }
    QVERIFY(R::countersEnabled(w, false));
    QVERIFY(helpInFront(w));
    QCOMPARE(R::caption(w, "LblAiuto"), QStringLiteral("Ti aiuto ?"));
    QCOMPARE(w->focusWidget(), R::button(w, "CmdOperazione"));
    if (isAbacusWindow(w)) {
        QVERIFY(!R::shown(w, "Label8"));
    }
}

void tst_ExerciseCycle::acceptedHelpShowsTheRightAnswerAndLeavesOnlyTheNextExercise_data() { addWindowAndLevelRows(); }

void tst_ExerciseCycle::acceptedHelpShowsTheRightAnswerAndLeavesOnlyTheNextExercise()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    // Too many in the units: none of the pupil's beads or pictures may stay on show.
    QVERIFY(R::answer(w, 0, 0, capOf(w)));
    if (w->esercizio().cifraU == capOf(w)) {
        QVERIFY(R::press(w, "CmdContaDap", w->esercizio().cifraDa + 1));
    }
    QVERIFY(R::press(w, "CmdVerifica"));
    QVERIFY(R::press(w, "Cmdsi"));

    QString why;
    QVERIFY2(rightAnswerOnShow(w, &why), qPrintable(why));
    QCOMPARE(R::caption(w, "LblEsito"), QString());
    QVERIFY(!R::helpFrame(w)->isShown());
    QVERIFY(allYellow(w));
    QVERIFY(R::countersEnabled(w, false));
    QVERIFY(!R::shown(w, "CmdVerifica"));
    QVERIFY(R::button(w, "CmdOperazione")->isVisible());
    QCOMPARE(w->esercizio().contaU, capOf(w));
    QCOMPARE(w->esercizio().tentativi, 0);
    QVERIFY(R::press(w, "CmdOperazione"));
    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("2"));
}

void tst_ExerciseCycle::twoRefusalsLetThePupilTryAgainUntilRight_data() { addWindowAndLevelRows(); }

void tst_ExerciseCycle::twoRefusalsLetThePupilTryAgainUntilRight()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ModalCloser closer;
    ExerciseWindow *w = rig.open(window, livello);
    for (int refusal = 1; refusal <= 2; ++refusal) {
        rig.clock.now += 5.0f;
        QVERIFY(answerWrong(w, {Posto::Decine}));
        QVERIFY(R::press(w, "Cmdno"));
        QCOMPARE(w->esercizio().tentativi, refusal);
        QVERIFY(!R::helpFrame(w)->isShown());
        QVERIFY(!R::shown(w, "CmdOperazione"));
        QVERIFY(!R::shown(w, "CmdVerifica"));
        QVERIFY(pupilAnswerEmpty(w));
        QVERIFY(w->esercizio().tutteLeConteAZero());
        QVERIFY(allYellow(w));
        QVERIFY(R::countersEnabled(w, true));
        QCOMPARE(R::caption(w, "LblEsito"), QString());
    }
    rig.clock.now += 5.0f;
    QVERIFY(R::answerRight(w));
    QVERIFY(R::press(w, "CmdVerifica"));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(R::caption(w, "lblRisErrate"), QStringLiteral("2"));
    QCOMPARE(R::caption(w, "lblRisEsatte"), QStringLiteral("1"));
    // Each try is timed from the start of the exercise, and each is added to the total.
    QCOMPARE(R::caption(w, "LblTempoParziale"), QStringLiteral(" 15"));
    QCOMPARE(R::caption(w, "LblTempoTotale"), QStringLiteral(" 30"));
    // No message came: a box shown would be the active modal widget from its show on.
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(closer.closed, 0);
}

void tst_ExerciseCycle::theThirdRefusalBringsTheMessageAndTheRightAnswer_data() { addWindowAndLevelRows(); }

void tst_ExerciseCycle::theThirdRefusalBringsTheMessageAndTheRightAnswer()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    for (int refusal = 1; refusal <= 2; ++refusal) {
        QVERIFY(answerWrong(w));
        QVERIFY(R::press(w, "Cmdno"));
    }
    QVERIFY(answerWrong(w));
    // What the pupil sees behind the message while it is up.
    QString verdictMeanwhile;
    bool nextMeanwhile = true;
    bool answerAreaEmptyMeanwhile = false;
    ModalCloser closer([&] {
        verdictMeanwhile = R::caption(w, "LblEsito");
        nextMeanwhile = R::shown(w, "CmdOperazione");
        answerAreaEmptyMeanwhile = pupilAnswerEmpty(w);
    });
    QVERIFY(R::press(w, "Cmdno"));
    // The box is shown and the press returns at once; the pupil closes it a moment later.
    QTRY_COMPARE(closer.closed, 1);
    // "Errato" stays until the message is closed; only then come the answer and "A V A N T I".
    QCOMPARE(verdictMeanwhile, QStringLiteral("Errato"));
    QVERIFY(!nextMeanwhile);
    QVERIFY(answerAreaEmptyMeanwhile);
    QCOMPARE(closer.title, QStringLiteral("Attenzione"));
    QCOMPARE(closer.text, kMessage);
    QCOMPARE(closer.icon, QMessageBox::Information);
    QCOMPARE(closer.buttons, 1);
    QString why;
    QVERIFY2(rightAnswerOnShow(w, &why), qPrintable(why));
    QCOMPARE(R::caption(w, "LblEsito"), QString());
    QVERIFY(R::button(w, "CmdOperazione")->isVisible());
    QVERIFY(!R::helpFrame(w)->isShown());
    QVERIFY(R::countersEnabled(w, true));
    QVERIFY(allYellow(w));
    QVERIFY(w->esercizio().tutteLeConteAZero());
    QCOMPARE(w->esercizio().tentativi, 0);
    QCOMPARE(R::caption(w, "lblRisErrate"), QStringLiteral("3"));

    // A "-" now changes no count but takes "A V A N T I" away; a "+" and a verification bring it back.
    QVERIFY(R::press(w, "CmdContaUm"));
    QVERIFY(!R::shown(w, "CmdOperazione"));
    QVERIFY(!R::shown(w, "CmdVerifica"));
    QVERIFY(R::press(w, "CmdContaUp"));
    QCOMPARE(w->esercizio().contaU, 1);
    QVERIFY(R::shown(w, "CmdVerifica"));
}

void tst_ExerciseCycle::refusalsCountWithinOneExerciseOnly()
{
    ExerciseRig rig;
    ModalCloser closer;
    ExerciseWindow *w = rig.open(QString::fromLatin1(kFrm2), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(answerWrong(w));
        QVERIFY(R::press(w, "Cmdno"));
    }
    // "Si" after two refusals leaves the count alone; only the next exercise clears it.
    QVERIFY(answerWrong(w));
    QVERIFY(R::press(w, "Cmdsi"));
    QCOMPARE(w->esercizio().tentativi, 2);
    QVERIFY(R::press(w, "CmdOperazione"));
    QCOMPARE(w->esercizio().tentativi, 0);
    QVERIFY(answerWrong(w));
    QVERIFY(R::press(w, "Cmdno"));
    QCOMPARE(w->esercizio().tentativi, 1);
    // No message came: a box shown would be the active modal widget from its show on.
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(closer.closed, 0);
}

void tst_ExerciseCycle::refusalsDoNotCarryIntoAWindowOpenedLater()
{
    ExerciseRig rig;
    ModalCloser closer;
    QPointer<ExerciseWindow> first = rig.open(QString::fromLatin1(kFrm1), 1);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(answerWrong(first));
        QVERIFY(R::press(first, "Cmdno"));
    }
    first->close();
    QTRY_VERIFY(first.isNull());

    // The new window's exercise starts with no refusals: one "No" brings no message.
    ExerciseWindow *w = rig.open(QString::fromLatin1(kFrm1), 1);
    QCOMPARE(w->esercizio().tentativi, 0);
    QVERIFY(answerWrong(w));
    QVERIFY(R::press(w, "Cmdno"));
    QCOMPARE(w->esercizio().tentativi, 1);
    // No message came: a box shown would be the active modal widget from its show on.
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(closer.closed, 0);
    QVERIFY(!R::shown(w, "CmdOperazione"));
}

void tst_ExerciseCycle::theNextExerciseFromTheKeyboardPutsTheHelpOfferAway_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow(kFrm1) << QString::fromLatin1(kFrm1);
    QTest::newRow(kFrm2) << QString::fromLatin1(kFrm2);
}

void tst_ExerciseCycle::theNextExerciseFromTheKeyboardPutsTheHelpOfferAway()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    QVERIFY(answerWrong(w));
    QVERIFY(helpInFront(w));
    // The offer covers "A V A N T I", but the button keeps the focus and Enter still reaches it.
    QWidget *focused = w->focusWidget();
    QCOMPARE(focused, R::button(w, "CmdOperazione"));
    QTest::keyClick(focused, Qt::Key_Return);

    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("2"));
    QVERIFY(!R::helpFrame(w)->isShown());
    QVERIFY(R::press(w, "CmdContaUp"));
    QCOMPARE(R::seenAtCentreOf(w, "CmdVerifica"), R::button(w, "CmdVerifica"));
}

void tst_ExerciseCycle::escAnswersNoOnlyWhileTheHelpOfferIsUp()
{
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(QString::fromLatin1(kFrm1), 1);
    QVERIFY(R::press(w, "CmdContaUp"));
    QTest::keyClick(w, Qt::Key_Escape);
    QCOMPARE(w->esercizio().contaU, 1);
    QCOMPARE(w->esercizio().tentativi, 0);

    QVERIFY(R::press(w, "CmdContaUp", w->esercizio().cifraU == 1 ? 1 : 0));
    QVERIFY(R::press(w, "CmdVerifica"));
    QVERIFY(R::helpFrame(w)->isShown());
    QTest::keyClick(w, Qt::Key_Escape);
    QCOMPARE(w->esercizio().tentativi, 1);
    QVERIFY(!R::helpFrame(w)->isShown());
}

void tst_ExerciseCycle::theTimesShowWithTheirCaps_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("answered");
    QTest::addColumn<float>("totalBefore"); // negative: no answer yet in this run
    QTest::addColumn<QString>("partialShown");
    QTest::addColumn<QString>("totalShown");
    QTest::addColumn<float>("total");
    QTest::newRow("0 seconds") << 36000.0f << 36000.9f << -1.0f << " 0"
                               << " 0" << 0.0f;
    QTest::newRow("7 seconds") << 36000.0f << 36007.0f << -1.0f << " 7"
                               << " 7" << 7.0f;
    QTest::newRow("98 seconds") << 36000.0f << 36098.0f << -1.0f << " 98"
                                << " 98" << 98.0f;
    QTest::newRow("99 seconds") << 36000.0f << 36099.0f << -1.0f << "99"
                                << " 99" << 99.0f;
    QTest::newRow("150 seconds") << 36000.0f << 36150.0f << -1.0f << "99"
                                 << " 150" << 150.0f;
    QTest::newRow("total 998") << 36000.0f << 36007.0f << 991.0f << " 7"
                               << " 998" << 998.0f;
    QTest::newRow("total 999") << 36000.0f << 36007.0f << 992.0f << " 7"
                               << "999" << 999.0f;
    QTest::newRow("total 1500") << 36000.0f << 36007.0f << 1493.0f << " 7"
                                << "999" << 1500.0f;
    QTest::newRow("over midnight") << 86395.5f << 2.0f << 100.0f << " 6"
                                   << " 106" << 106.0f;
}

void tst_ExerciseCycle::theTimesShowWithTheirCaps()
{
    QFETCH(float, start);
    QFETCH(float, answered);
    QFETCH(float, totalBefore);
    QFETCH(QString, partialShown);
    QFETCH(QString, totalShown);
    QFETCH(float, total);
    for (const char *window : {kFrm1, kFrm2}) {
        ExerciseRig rig;
        if (totalBefore >= 0.0f) {
            rig.modulo.tempoTotale = totalBefore;
        }
        rig.clock.now = start;
        ExerciseWindow *w = rig.open(QString::fromLatin1(window), 1);
        QVERIFY(R::answerRight(w));
        rig.clock.now = answered;
        QVERIFY(R::press(w, "CmdVerifica"));
        QCOMPARE(R::caption(w, "LblTempoParziale"), partialShown);
        QCOMPARE(R::caption(w, "LblTempoTotale"), totalShown);
        // The caps are for the labels only.
        QCOMPARE(rig.modulo.tempoTotale.value_or(-1.0f), total);
    }
}

void tst_ExerciseCycle::theTotalTimeRunsOnAcrossWindowsWhileTheCountsStartAgain()
{
    ExerciseRig rig;
    QPointer<ExerciseWindow> two = rig.open(QString::fromLatin1(kFrm2), 2);
    QVERIFY(R::answerRight(two));
    rig.clock.now += 7.0f;
    QVERIFY(R::press(two, "CmdVerifica"));
    two->close();
    QTRY_VERIFY(two.isNull());

    ExerciseWindow *one = rig.open(QString::fromLatin1(kFrm1), 2);
    QVERIFY(R::answerRight(one));
    rig.clock.now += 5.0f;
    QVERIFY(R::press(one, "CmdVerifica"));
    QCOMPARE(R::caption(one, "LblTempoTotale"), QStringLiteral(" 12"));
    QCOMPARE(R::caption(one, "lblRisEsatte"), QStringLiteral("1"));
}

void tst_ExerciseCycle::theRightAndWrongCountsStopAtTheirLimit()
{
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(QString::fromLatin1(kFrm1), 2);
    w->esercizio().risErrate = 32767;
    w->esercizio().risEsatte = 32767;
    QVERIFY(answerWrong(w));
    QCOMPARE(R::caption(w, "lblRisErrate"), QStringLiteral("32767"));
    QVERIFY(R::press(w, "Cmdsi"));
    QVERIFY(R::press(w, "CmdOperazione"));
    QVERIFY(R::answerRight(w));
    QVERIFY(R::press(w, "CmdVerifica"));
    QCOMPARE(R::caption(w, "lblRisEsatte"), QStringLiteral("32767"));
    QCOMPARE(w->esercizio().risEsatte, std::int16_t(32767));
}

void tst_ExerciseCycle::closingTheWindowWhileTheMessageIsUpIsSafe()
{
    ExerciseRig rig;
    QPointer<ExerciseWindow> w = rig.open(QString::fromLatin1(kFrm2), 1);
    for (int refusal = 1; refusal <= 2; ++refusal) {
        QVERIFY(answerWrong(w));
        QVERIFY(R::press(w, "Cmdno"));
    }
    QVERIFY(answerWrong(w));
    ModalCloser closer([&w] { w->close(); });
    QVERIFY(R::press(w, "Cmdno"));
    QTRY_COMPARE(closer.closed, 1);
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(tst_ExerciseCycle)
#include "tst_exercisecycle.moc"
