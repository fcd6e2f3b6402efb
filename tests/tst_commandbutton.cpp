// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The command button and the keyboard: Space and Enter press a button the pupil can see, and
// never one that has been hidden while it kept the keyboard focus, as "A V A N T I" does after
// "No" and "No" itself does once the help offer goes away.
#include "ExerciseRig.h"

#include "controls/ControlDesign.h"

#include <QSignalSpy>
#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;
using R = ExerciseRig;

namespace {

// One button alone on a shown window, holding the keyboard focus.
struct FocusedButton {
    QWidget window;
    CommandButton button{
        ControlDesign{.name = "CmdProva", .kind = ControlKind::CommandButton, .width = 1200, .height = 495}, &window};
    FocusedButton()
    {
        button.setGeometry(10, 10, 80, 33);
        window.show();
        button.setFocus();
    }
};

} // namespace

class tst_CommandButton : public QObject {
    Q_OBJECT

private slots:
    void theKeysPressAVisibleButton_data();
    void theKeysPressAVisibleButton();
    void theKeysNeverPressAHiddenButton_data();
    void theKeysNeverPressAHiddenButton();
    void afterNoTheKeyboardDoesNotReachTheNextExercise_data();
    void afterNoTheKeyboardDoesNotReachTheNextExercise();

private:
    static void addKeyRows();
};

void tst_CommandButton::addKeyRows()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void tst_CommandButton::theKeysPressAVisibleButton_data() { addKeyRows(); }

void tst_CommandButton::theKeysPressAVisibleButton()
{
    QFETCH(int, key);
    FocusedButton fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window));
    CommandButton &button = fixture.button;
    QSignalSpy clicks(&button, &CommandButton::Click);
    QTest::keyClick(&button, Qt::Key(key));
    QCOMPARE(clicks.count(), 1);
}

void tst_CommandButton::theKeysNeverPressAHiddenButton_data() { addKeyRows(); }

void tst_CommandButton::theKeysNeverPressAHiddenButton()
{
    QFETCH(int, key);
    FocusedButton fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window));
    CommandButton &button = fixture.button;
    // Nothing else can take the focus, so Qt leaves it on the hidden button.
    button.setShown(false);
    QCOMPARE(QApplication::focusWidget(), &button);
    QSignalSpy clicks(&button, &CommandButton::Click);
    QTest::keyClick(&button, Qt::Key(key));
    QCOMPARE(clicks.count(), 0);
    // Space went down while the button was on view and comes up after it has gone.
    button.setShown(true);
    QTest::keyPress(&button, Qt::Key_Space);
    button.setShown(false);
    QTest::keyRelease(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!button.isDown());
}

void tst_CommandButton::afterNoTheKeyboardDoesNotReachTheNextExercise_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("noFromTheMouse");
    QTest::addColumn<int>("key");
    for (const char *kind : {kFrm1, kFrm2}) {
        QTest::addRow("%s, Space after No from the keyboard", kind)
            << QString::fromLatin1(kind) << false << int(Qt::Key_Space);
        QTest::addRow("%s, Enter after No from the keyboard", kind)
            << QString::fromLatin1(kind) << false << int(Qt::Key_Return);
        QTest::addRow("%s, Space after No clicked", kind) << QString::fromLatin1(kind) << true << int(Qt::Key_Space);
    }
}

// Found by the monkey test: "No" hides the help offer and "A V A N T I" while the counter
// buttons are still disabled, so the focus had nowhere to go; Space then moved on to the next
// exercise, or refused the help once more, from a button the pupil could not see.
void tst_CommandButton::afterNoTheKeyboardDoesNotReachTheNextExercise()
{
    QFETCH(QString, window);
    QFETCH(bool, noFromTheMouse);
    QFETCH(int, key);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 1);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const Esercizio &e = w->esercizio();
    QVERIFY(R::answer(w, 0, e.cifraDa, e.cifraU == 0 ? 1 : 0));
    QVERIFY(R::press(w, "CmdVerifica"));
    QVERIFY(R::helpFrame(w)->isShown());

    CommandButton *no = R::button(w, "Cmdno");
    if (noFromTheMouse) {
        // A real click gives the button the focus first.
        no->setFocus(Qt::MouseFocusReason);
        QVERIFY(R::press(w, "Cmdno"));
    } else {
        // The offer is in front, but the keyboard is on "A V A N T I"; Esc answers "No".
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    QCOMPARE(e.tentativi, 1);
    QCOMPARE(e.numOperazione, std::int16_t(1));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(e.numOperazione, std::int16_t(1));
    QCOMPARE(e.tentativi, 1);
    QVERIFY(!R::shown(w, "CmdOperazione"));
    QVERIFY(!R::helpFrame(w)->isShown());
}

QTEST_MAIN(tst_CommandButton)
#include "tst_commandbutton.moc"
