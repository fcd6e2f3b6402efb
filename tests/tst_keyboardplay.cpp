// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Both exercise windows played with the keyboard alone, as a pupil who cannot use the mouse
// plays them: Tab from button to button, Space or Enter to press, Esc to answer "No". Every key
// goes to the widget that has the focus, and the focus never rests on a button out of sight.
#include "ExerciseRig.h"

#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;
using R = ExerciseRig;

namespace {

QWidget *focused() { return QApplication::focusWidget(); }

QString focusName() { return focused() ? focused()->objectName() : QStringLiteral("(none)"); }

// The focus is on a button of the window that the pupil sees and can press.
bool focusUsable(ExerciseWindow *w)
{
    QWidget *f = focused();
    return f && f->window() == w && f->isVisible() && f->isEnabled();
}

void key(Qt::Key k) { QTest::keyClick(focused(), k); }

// Tab until the named button has the focus; every stop on the way is a usable button.
[[nodiscard]] bool tabTo(ExerciseWindow *w, const char *name)
{
    for (int stops = 0; stops < 25; ++stops) {
        if (!focusUsable(w)) {
            qWarning("Tab stopped on %s", qPrintable(focusName()));
            return false;
        }
        if (focused()->objectName() == QLatin1String(name)) {
            return true;
        }
        key(Qt::Key_Tab);
    }
    qWarning("Tab never reached %s", name);
    return false;
}

// Builds an answer from empty counts: Tab to each place's "+" and Space as often as needed.
[[nodiscard]] bool keyIn(ExerciseWindow *w, const QList<int> &hdu)
{
    for (Posto p : kAllPlaces) {
        if (hdu[int(p)] == 0) {
            continue;
        }
        if (!tabTo(w, names(p).plus)) {
            return false;
        }
        for (int i = 0; i < hdu[int(p)]; ++i) {
            key(Qt::Key_Space);
        }
    }
    return true;
}

QList<int> target(ExerciseWindow *w)
{
    const Esercizio &e = w->esercizio();
    return {e.cifraH, e.cifraDa, e.cifraU};
}

QList<int> counts(ExerciseWindow *w)
{
    const Esercizio &e = w->esercizio();
    return {e.contaH, e.contaDa, e.contaU};
}

// The target with the units one off.
QList<int> wrongAnswer(ExerciseWindow *w)
{
    QList<int> hdu = target(w);
    hdu[int(Posto::Unita)] += hdu[int(Posto::Unita)] < 8 ? 1 : -1;
    return hdu;
}

// Builds the answer and verifies it with Enter; "A V A N T I" then has the focus.
[[nodiscard]] bool answerAndVerify(ExerciseWindow *w, const QList<int> &hdu)
{
    if (!keyIn(w, hdu) || counts(w) != hdu || !tabTo(w, "CmdVerifica")) {
        return false;
    }
    key(Qt::Key_Return);
    return focused() == R::button(w, "CmdOperazione");
}

} // namespace

class tst_KeyboardPlay : public QObject {
    Q_OBJECT

private slots:
    void anExerciseIsPlayedToItsEndWithKeysOnly_data() { addWindowAndLevelRows(); }
    void anExerciseIsPlayedToItsEndWithKeysOnly();
    void helpAcceptedFromTheKeyboardLeadsOnToTheNextExercise_data() { addWindowAndLevelRows(); }
    void helpAcceptedFromTheKeyboardLeadsOnToTheNextExercise();
    void afterTheThirdNoTheMessageClosesWithEnterAndPlayGoesOn_data() { addWindowAndLevelRows(); }
    void afterTheThirdNoTheMessageClosesWithEnterAndPlayGoesOn();
};

// A wrong try refused with Esc, then the right answer, then on to the next exercise.
void tst_KeyboardPlay::anExerciseIsPlayedToItsEndWithKeysOnly()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));

    QVERIFY(keyIn(w, {0, 1, 0}));
    key(Qt::Key_Escape); // nothing to refuse while the pupil builds
    QCOMPARE(counts(w), (QList<int>{0, 1, 0}));
    QVERIFY(tabTo(w, "CmdContaDam"));
    key(Qt::Key_Space);
    QCOMPARE(counts(w), (QList<int>{0, 0, 0}));

    QVERIFY(answerAndVerify(w, wrongAnswer(w)));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Errato"));
    QVERIFY(R::helpFrame(w)->isVisible());

    key(Qt::Key_Escape);
    QVERIFY(!R::helpFrame(w)->isVisible());
    QCOMPARE(R::caption(w, "LblEsito"), QString());
    QCOMPARE(counts(w), (QList<int>{0, 0, 0}));
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));

    QVERIFY(answerAndVerify(w, target(w)));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(R::caption(w, "lblRisEsatte"), QStringLiteral("1"));
    QCOMPARE(R::caption(w, "lblRisErrate"), QStringLiteral("1"));
    QCOMPARE(rig.sound.played.size(), 1);

    key(Qt::Key_Space);
    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("2"));
    QCOMPARE(R::caption(w, "LblEsito"), QString());
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));
    QVERIFY(answerAndVerify(w, target(w)));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
}

void tst_KeyboardPlay::helpAcceptedFromTheKeyboardLeadsOnToTheNextExercise()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));

    QVERIFY(answerAndVerify(w, wrongAnswer(w)));
    QVERIFY(tabTo(w, "Cmdsi"));
    key(Qt::Key_Space);
    QVERIFY(!R::helpFrame(w)->isVisible());
    QVERIFY(R::countersEnabled(w, false));
    // "Si" went out of sight with the help offer: the focus is on the one button left.
    QTRY_COMPARE(focused(), R::button(w, "CmdOperazione"));

    key(Qt::Key_Space);
    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("2"));
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));
    QVERIFY(answerAndVerify(w, target(w)));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
}

void tst_KeyboardPlay::afterTheThirdNoTheMessageClosesWithEnterAndPlayGoesOn()
{
    QFETCH(QString, window);
    QFETCH(int, livello);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, livello);
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));

    // The message box has the keyboard while it is up: Enter closes it.
    QString message;
    QTimer enterOnTheBox;
    enterOnTheBox.setInterval(5);
    connect(&enterOnTheBox, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && focused()) {
            message = box->text();
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    });
    enterOnTheBox.start();

    for (int refusal = 1; refusal <= 3; ++refusal) {
        QVERIFY(answerAndVerify(w, wrongAnswer(w)));
        key(Qt::Key_Escape);
        QTRY_VERIFY2(focusUsable(w), qPrintable(QStringLiteral("refusal %1: %2").arg(refusal).arg(focusName())));
    }
    QVERIFY(message.startsWith(QStringLiteral("Hai già fatto 3 tentativi.")));
    QTRY_COMPARE(focused(), R::button(w, "CmdOperazione"));
    QVERIFY(R::countersEnabled(w, true));

    key(Qt::Key_Space);
    QCOMPARE(R::caption(w, "LblOperazione"), QStringLiteral("2"));
    QTRY_VERIFY2(focusUsable(w), qPrintable(focusName()));
    QVERIFY(answerAndVerify(w, target(w)));
    QCOMPARE(R::caption(w, "LblEsito"), QStringLiteral("Esatto"));
}

QTEST_MAIN(tst_KeyboardPlay)
#include "tst_keyboardplay.moc"
