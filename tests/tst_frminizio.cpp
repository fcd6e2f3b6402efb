// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window driven as a pupil drives it: real key and mouse events on the shown,
// active window. Keys go to whatever window has the keyboard, held keys repeat as Qt delivers
// them on X11 (auto-repeat release/press pairs), and "Vai" opens the real exercise windows.
#include "controls/Forms.h"
#include "controls/Frame.h"
#include "controls/OptionButton.h"
#include "controls/Timer.h"
#include "exercise/FrmOperativo2.h"
#include "exercise/Modulo1.h"
#include "exercise/frmOperativo1.h"
#include "fakes/FakeServices.h"
#include "start/FrmInizio.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace bexalo;

namespace {

constexpr Colour kFocusColour = 0xFFC080;
constexpr Colour kOptionColour = 0xFFE0C0;

struct KeyName {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
};

const KeyName kKeys[] = {
    {"1", Qt::Key_1, Qt::NoModifier, "1"},           {"2", Qt::Key_2, Qt::NoModifier, "2"},
    {"3", Qt::Key_3, Qt::NoModifier, "3"},           {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"Space", Qt::Key_Space, Qt::NoModifier, " "},   {"A", Qt::Key_A, Qt::NoModifier, "a"},
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},      {"Down", Qt::Key_Down, Qt::NoModifier, ""},
    {"Keypad1", Qt::Key_1, Qt::KeypadModifier, "1"}, {"Keypad3", Qt::Key_3, Qt::KeypadModifier, "3"},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
};

const KeyName &keyNamed(const QString &name)
{
    for (const KeyName &k : kKeys) {
        if (name == QLatin1String(k.name)) {
            return k;
        }
    }
    qFatal("unknown key %s", qPrintable(name));
}

QString activeWindowClass()
{
    const QWidget *active = QApplication::activeWindow();
    return active ? QString::fromLatin1(active->metaObject()->className()) : QString();
}

} // namespace

class tst_FrmInizio : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theFirstOptionOfTheTabOrderHasTheFocusColourAtStart();
    void eachStepMovesTheFramesAndTheFocus_data();
    void eachStepMovesTheFramesAndTheFocus();
    void theFocusColourFollowsTheFocusAndNoOptionStaysPressed();
    void onlyASelectedOptionLooksPressedAfterAnyKeys_data();
    void onlyASelectedOptionLooksPressedAfterAnyKeys();
    void aHeldEnterOnTheDirectionChoosesOnce_data();
    void aHeldEnterOnTheDirectionChoosesOnce();
    void aHeldTwoOnTheLevelChoosesOnceAndTheActionsIgnoreItsRepeats_data();
    void aHeldTwoOnTheLevelChoosesOnceAndTheActionsIgnoreItsRepeats();
    void aHeldSpaceMovesTheFocusOnce();
    void threeIsDiscardedOutsideTheActionGroup_data();
    void threeIsDiscardedOutsideTheActionGroup();
    void threeOnlyHighlightsEsciAndEnterThereEndsTheProgram();
    void otherKeysAreDiscarded_data();
    void otherKeysAreDiscarded();
    void aLockedGroupPassesKeysToTheButton();
    void aStaleLockEatsTheFirstKeyUntilReleased_data();
    void aStaleLockEatsTheFirstKeyUntilReleased();
    void aFocusMoveIntoAnInactiveFrameLeavesTheFocus();
    void esciEndsTheProgramInEveryStep_data();
    void esciEndsTheProgramInEveryStep();
    void vaiAgainBringsTheOpenWindowToTheFrontWithoutReloading();
    void closingAnExerciseWindowClosesOnlyIt();
    void closingTheStartWindowClosesEveryWindow();

private:
    OptionButton *option(const QString &objectName) const;
    OptionButton *option(int group, int index) const;
    Frame *frame(int n) const;
    QString focusName() const;
    QString frameStates() const;
    bool activateStart();
    void sendKey(const QString &name, bool press, bool autoRepeat = false, bool sameInstant = false);
    void tap(const QString &name);
    // Press, some auto-repeat pairs, then (optionally) the real release. Qt does not always
    // manage to mark a pair as auto-repeat on X11.
    void hold(const QString &name, int repeats, bool release, bool markedAsRepeats = true);
    void press(OptionButton *option, Qt::MouseButton button = Qt::LeftButton);
    void runSteps(const QStringList &steps);

    std::unique_ptr<test::FakeServices> m_services;
    Modulo1 *m_modulo = nullptr;
    QPointer<FrmInizio> m_window;
    ulong m_time = 0;
};

void tst_FrmInizio::init()
{
    m_services = std::make_unique<test::FakeServices>();
    m_modulo = &m_services->modulo;

    // Keys come as X11 sends them unless a test says otherwise.
    OptionButton::setHoldsBackKeyUps(true);
    m_window = new FrmInizio(*m_modulo);
    m_window->load();
    m_window->showModeless();
    QVERIFY(activateStart());
    // The pupil acts once the curtains are open.
    auto *curtains = m_window->get<Timer>("timerTendine");
    for (int guard = 0; curtains->isTimerEnabled() && guard < 1000; ++guard) {
        curtains->tick();
    }
    QVERIFY(!curtains->isTimerEnabled());
}

void tst_FrmInizio::cleanup()
{
    const QList<Form *> loaded = Forms::instance().loaded();
    for (Form *form : loaded) {
        form->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
    QVERIFY(Forms::instance().loaded().isEmpty());
}

OptionButton *tst_FrmInizio::option(const QString &objectName) const
{
    auto *o = m_window->findChild<OptionButton *>(objectName);
    if (!o) {
        qFatal("no option %s", qPrintable(objectName));
    }
    return o;
}

OptionButton *tst_FrmInizio::option(int group, int index) const
{
    return option(QStringLiteral("Option%1_%2").arg(group).arg(index));
}

Frame *tst_FrmInizio::frame(int n) const { return m_window->get<Frame>(qPrintable(QStringLiteral("Frame%1").arg(n))); }

QString tst_FrmInizio::focusName() const
{
    const QWidget *w = m_window->focusWidget();
    return w ? w->objectName() : QString();
}

// One character per frame: '+' active (enabled, bordered), '-' inactive, '?' half-way.
QString tst_FrmInizio::frameStates() const
{
    QString states;
    for (int n = 1; n <= 3; ++n) {
        const Frame *f = frame(n);
        states += f->isEnabled() && f->hasBorder()     ? QLatin1Char('+')
                  : !f->isEnabled() && !f->hasBorder() ? QLatin1Char('-')
                                                       : QLatin1Char('?');
    }
    return states;
}

bool tst_FrmInizio::activateStart()
{
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window) &&
           QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == m_window->windowHandle(); });
}

void tst_FrmInizio::sendKey(const QString &name, bool press, bool autoRepeat, bool sameInstant)
{
    // The keyboard goes to the focus of the active window, as it does on a desktop; a key let
    // go after the last window has closed reaches nothing. Each event carries its own time,
    // except the two halves of an auto-repeat pair, which X11 stamps alike.
    QWidget *target = QApplication::focusWidget();
    if (!target) {
        target = QApplication::activeWindow();
    }
    if (!press && !target) {
        return;
    }
    QVERIFY(target);
    if (!sameInstant) {
        m_time += 50;
    }
    const KeyName &k = keyNamed(name);
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, k.key, k.modifiers, QString::fromLatin1(k.text),
                    autoRepeat);
    event.setTimestamp(m_time);
    QApplication::sendEvent(target, &event);
}

void tst_FrmInizio::tap(const QString &name)
{
    sendKey(name, true);
    sendKey(name, false);
}

void tst_FrmInizio::hold(const QString &name, int repeats, bool release, bool markedAsRepeats)
{
    sendKey(name, true);
    for (int i = 0; i < repeats; ++i) {
        sendKey(name, false, markedAsRepeats);
        sendKey(name, true, markedAsRepeats, true);
    }
    if (release) {
        sendKey(name, false);
    }
}

void tst_FrmInizio::press(OptionButton *option, Qt::MouseButton button)
{
    QTest::mousePress(option, button);
    QTest::mouseRelease(option, button);
}

// "click Option1_0", "right Option2_1", "tap 2", "press Return" (a key whose release lands
// elsewhere, e.g. in the window it opened), "start" (the pupil goes back to the start window).
void tst_FrmInizio::runSteps(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString what = step.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("click")) {
            press(option(what));
        } else if (verb == QLatin1String("right")) {
            press(option(what), Qt::RightButton);
        } else if (verb == QLatin1String("tap")) {
            tap(what);
        } else if (verb == QLatin1String("press")) {
            sendKey(what, true);
        } else if (verb == QLatin1String("start")) {
            QVERIFY(activateStart());
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

void tst_FrmInizio::theFirstOptionOfTheTabOrderHasTheFocusColourAtStart()
{
    QCOMPARE(focusName(), QStringLiteral("Option1_1"));
    QCOMPARE(option(1, 1)->backColor(), kFocusColour);
    QCOMPARE(option(1, 0)->backColor(), kOptionColour);
    QCOMPARE(frameStates(), QStringLiteral("+++"));
}

void tst_FrmInizio::eachStepMovesTheFramesAndTheFocus_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("focus"); // "" when no option of the start window has it
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("opened"); // the exercise window loaded afterwards, if any

    // All three frames start active, so the first choice leaves the third frame as it was.
    QTest::newRow("direction by mouse") << QStringList{"click Option1_1"} << "-++"
                                        << "Option2_0"
                                        << "2" << 0 << "";
    QTest::newRow("direction by right button") << QStringList{"right Option1_0"} << "-++"
                                               << "Option2_0"
                                               << "1" << 0 << "";
    QTest::newRow("direction by Enter") << QStringList{"tap Return"} << "-++"
                                        << "Option2_0"
                                        << "2" << 0 << "";
    QTest::newRow("direction by 1 then Enter") << QStringList{"tap 1", "tap Return"} << "-++"
                                               << "Option2_0"
                                               << "1" << 0 << "";
    QTest::newRow("level by mouse") << QStringList{"click Option1_0", "click Option2_1"} << "--+"
                                    << "Option3_0"
                                    << "1" << 2 << "";
    QTest::newRow("level by right button") << QStringList{"click Option1_0", "right Option2_0"} << "--+"
                                           << "Option3_0"
                                           << "1" << 1 << "";
    QTest::newRow("level by 2") << QStringList{"click Option1_0", "tap 2"} << "--+"
                                << "Option3_0"
                                << "1" << 2 << "";
    QTest::newRow("level by Enter") << QStringList{"click Option1_0", "tap Return"} << "--+"
                                    << "Option3_0"
                                    << "1" << 1 << "";
    QTest::newRow("level first") << QStringList{"click Option2_0"} << "+-+"
                                 << "Option3_0"
                                 << "" << 1 << "";
    QTest::newRow("Vai by mouse") << QStringList{"click Option1_0", "click Option2_0", "click Option3_0"} << "+--"
                                  << ""
                                  << "1" << 1 << "bexalo::frmOperativo1";
    QTest::newRow("Vai by Enter") << QStringList{"click Option1_1", "click Option2_1", "tap Return"} << "+--"
                                  << ""
                                  << "2" << 2 << "bexalo::FrmOperativo2";
    QTest::newRow("Vai before any direction opens nothing") << QStringList{"click Option3_0"} << "++-"
                                                            << ""
                                                            << "" << 0 << "";
    QTest::newRow("Vai before any level opens with level 0")
        << QStringList{"click Option1_1", "click Option3_0"} << "++-"
        << ""
        << "2" << 0 << "bexalo::FrmOperativo2";
    QTest::newRow("Reimposta by mouse keeps the choices")
        << QStringList{"click Option1_1", "click Option2_0", "click Option3_1"} << "+--"
        << "Option1_0"
        << "2" << 1 << "";
    QTest::newRow("Reimposta by 2 then Enter")
        << QStringList{"click Option1_0", "click Option2_1", "tap 2", "tap Return"} << "+--"
        << "Option1_0"
        << "1" << 2 << "";
    QTest::newRow("a whole cycle back to the direction step")
        << QStringList{"click Option1_0", "click Option2_0", "click Option3_1", "tap 2", "tap Return"} << "-+-"
        << "Option2_0"
        << "2" << 1 << "";
}

void tst_FrmInizio::eachStepMovesTheFramesAndTheFocus()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, frames);
    QFETCH(QString, focus);
    QFETCH(QString, percorso);
    QFETCH(int, livello);
    QFETCH(QString, opened);

    runSteps(steps);

    QCOMPARE(frameStates(), frames);
    QCOMPARE(focusName(), focus);
    QCOMPARE(m_modulo->percorso, percorso);
    QCOMPARE(int(m_modulo->livello), livello);
    QStringList loaded;
    for (const Form *form : Forms::instance().loaded()) {
        if (form != m_window) {
            loaded.append(QString::fromLatin1(form->metaObject()->className()));
        }
    }
    QCOMPARE(loaded, opened.isEmpty() ? QStringList{} : QStringList{opened});
    if (!opened.isEmpty()) {
        // Shown modeless: the start window stays usable behind it.
        QTRY_COMPARE(activeWindowClass(), opened);
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->isEnabled());
    }
    // "Esci" is the window's own and never follows Frame3.
    QVERIFY(option(3, 2)->isEnabled());
}

void tst_FrmInizio::theFocusColourFollowsTheFocusAndNoOptionStaysPressed()
{
    press(option(1, 0));
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
    QCOMPARE(option(1, 1)->backColor(), kOptionColour);
    QCOMPARE(option(1, 0)->backColor(), kOptionColour);
    QCOMPARE(option(2, 0)->backColor(), kFocusColour);

    tap(QStringLiteral("Space"));
    QCOMPARE(option(2, 0)->backColor(), kOptionColour);
    QCOMPARE(option(2, 1)->backColor(), kFocusColour);

    press(option(2, 1));
    QCOMPARE(option(2, 1)->backColor(), kOptionColour);
    QCOMPARE(option(3, 0)->backColor(), kFocusColour);

    // The current option is marked by its colour alone.
    const QList<OptionButton *> all = m_window->findChildren<OptionButton *>();
    QCOMPARE(all.size(), 7);
    for (const OptionButton *o : all) {
        QVERIFY2(!o->value(), qPrintable(o->objectName()));
    }
    const int focused =
        std::count_if(all.begin(), all.end(), [](const OptionButton *o) { return o->backColor() == kFocusColour; });
    QCOMPARE(focused, 1);
}

void tst_FrmInizio::onlyASelectedOptionLooksPressedAfterAnyKeys_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("focus");

    // Enter on the direction leaves the direction group's key-down lock set (its release is
    // on the level), and "Reimposta" by mouse does not clear it: Space there goes to the button,
    // then moves the focus on.
    QTest::newRow("stale direction lock, Space")
        << QStringList{"tap Return", "tap Return", "click Option3_1", "tap Space"} << "Option1_1";
    QTest::newRow("Enter on direction and level, 2 and Enter on Reimposta, Space")
        << QStringList{"tap Return", "tap Return", "tap 2", "tap Return", "tap Space"} << "Option1_1";
    QTest::newRow("stale direction lock, Space twice")
        << QStringList{"tap Return", "tap Return", "click Option3_1", "tap Space", "tap Space"} << "Option1_0";
    // "1" on the level leaves the level group locked.
    QTest::newRow("stale level lock, Space")
        << QStringList{"click Option1_0", "tap 1", "click Option3_1", "click Option1_1", "tap Space"} << "Option2_1";
    // Enter on "Vai" is let go in the exercise window it opened: the action group stays locked.
    QTest::newRow("stale action lock after Vai, Space")
        << QStringList{"tap Return",      "tap Return",      "press Return", "start",
                       "click Option1_0", "click Option2_0", "tap Space"}
        << "Option3_1";
    QTest::newRow("stale action lock after Vai, Space round the group")
        << QStringList{"tap Return",      "tap Return", "press Return", "start",    "click Option1_0",
                       "click Option2_1", "tap Space",  "tap Space",    "tap Space"}
        << "Option3_0";
    QTest::newRow("held Space, then the next option")
        << QStringList{"click Option1_0", "click Option2_0", "press Space", "tap 2"} << "Option3_1";
    QTest::newRow("keys and clicks mixed")
        << QStringList{"tap 1", "tap Space", "tap Return", "right Option2_1", "tap 3", "tap Space", "tap 2"}
        << "Option3_1";
}

void tst_FrmInizio::onlyASelectedOptionLooksPressedAfterAnyKeys()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, focus);

    auto nonePressedButSelected = [this](const QString &after) {
        const QList<OptionButton *> all = m_window->findChildren<OptionButton *>();
        for (const OptionButton *o : all) {
            if (o->looksPressed() && !o->value()) {
                qWarning("after '%s': %s looks pressed", qPrintable(after), qPrintable(o->objectName()));
                return false;
            }
        }
        return all.size() == 7;
    };
    for (const QString &step : steps) {
        runSteps({step});
        QVERIFY(nonePressedButSelected(step));
    }
    // Once any key held back has been let go.
    QTest::qWait(50);
    QVERIFY(nonePressedButSelected(QStringLiteral("the end")));
    QCOMPARE(focusName(), focus);
}

void tst_FrmInizio::aHeldEnterOnTheDirectionChoosesOnce_data()
{
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("markedAsRepeats");

    QTest::newRow("X11, repeats marked by Qt") << true << true;
    QTest::newRow("X11, repeats Qt failed to mark") << true << false;
    // Windows marks every repeat, and a key-up goes to the handlers without waiting.
    QTest::newRow("Windows") << false << true;
}

void tst_FrmInizio::aHeldEnterOnTheDirectionChoosesOnce()
{
    QFETCH(bool, x11);
    QFETCH(bool, markedAsRepeats);
    OptionButton::setHoldsBackKeyUps(x11);

    tap(QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("Option1_0"));

    hold(QStringLiteral("Return"), 5, false, markedAsRepeats);
    // The repeats reached the level step and were ignored there.
    QCOMPARE(m_modulo->percorso, QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
    QCOMPARE(int(m_modulo->livello), 0);
    QCOMPARE(frameStates(), QStringLiteral("-++"));

    sendKey(QStringLiteral("Return"), false);
    tap(QStringLiteral("Return"));
    QCOMPARE(int(m_modulo->livello), 1);
    QCOMPARE(focusName(), QStringLiteral("Option3_0"));
}

void tst_FrmInizio::aHeldTwoOnTheLevelChoosesOnceAndTheActionsIgnoreItsRepeats_data()
{
    aHeldEnterOnTheDirectionChoosesOnce_data();
}

void tst_FrmInizio::aHeldTwoOnTheLevelChoosesOnceAndTheActionsIgnoreItsRepeats()
{
    QFETCH(bool, x11);
    QFETCH(bool, markedAsRepeats);
    OptionButton::setHoldsBackKeyUps(x11);

    press(option(1, 1));
    hold(QStringLiteral("2"), 5, false, markedAsRepeats);
    QCOMPARE(int(m_modulo->livello), 2);
    QCOMPARE(focusName(), QStringLiteral("Option3_0"));
    QCOMPARE(frameStates(), QStringLiteral("--+"));
    // "2" in the action group would move to "Reimposta": the repeats did not.
    sendKey(QStringLiteral("2"), false);
    QCOMPARE(focusName(), QStringLiteral("Option3_0"));

    tap(QStringLiteral("2"));
    QCOMPARE(focusName(), QStringLiteral("Option3_1"));
    QCOMPARE(Forms::instance().loaded().size(), 1);
}

void tst_FrmInizio::aHeldSpaceMovesTheFocusOnce()
{
    press(option(1, 0));
    press(option(2, 0));
    tap(QStringLiteral("3"));
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));

    hold(QStringLiteral("Space"), 4, false);
    QCOMPARE(focusName(), QStringLiteral("Option3_0"));
    sendKey(QStringLiteral("Space"), false);

    tap(QStringLiteral("Space"));
    QCOMPARE(focusName(), QStringLiteral("Option3_1"));
    tap(QStringLiteral("Space"));
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));
    // Space only moves: nothing was chosen, no window opened or closed.
    QCOMPARE(Forms::instance().loaded().size(), 1);
    QCOMPARE(frameStates(), QStringLiteral("--+"));
}

void tst_FrmInizio::threeIsDiscardedOutsideTheActionGroup_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("focus");

    QTest::newRow("direction") << QStringList{} << "Option1_1";
    QTest::newRow("level") << QStringList{"click Option1_0"} << "Option2_0";
}

void tst_FrmInizio::threeIsDiscardedOutsideTheActionGroup()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, focus);

    runSteps(steps);
    const QString frames = frameStates();
    const QString percorso = m_modulo->percorso;
    tap(QStringLiteral("3"));
    QCOMPARE(focusName(), focus);
    QCOMPARE(frameStates(), frames);
    QCOMPARE(m_modulo->percorso, percorso);
    QCOMPARE(int(m_modulo->livello), 0);
    // Discarded keys set no lock: the next key acts.
    tap(QStringLiteral("Return"));
    QVERIFY(frameStates() != frames);
}

void tst_FrmInizio::threeOnlyHighlightsEsciAndEnterThereEndsTheProgram()
{
    QSignalSpy ended(&Forms::instance(), &Forms::lastUnloaded);
    press(option(1, 0));
    press(option(2, 0));
    tap(QStringLiteral("3"));
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));
    QCOMPARE(option(3, 2)->backColor(), kFocusColour);
    QVERIFY(m_window->isLoaded());
    QCOMPARE(ended.count(), 0);

    tap(QStringLiteral("Return"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(Forms::instance().loaded().isEmpty());
}

void tst_FrmInizio::otherKeysAreDiscarded_data()
{
    QTest::addColumn<QString>("key");

    QTest::newRow("letter") << "A";
    QTest::newRow("left arrow") << "Left";
    QTest::newRow("down arrow") << "Down";
    QTest::newRow("keypad 1") << "Keypad1";
    QTest::newRow("keypad 3") << "Keypad3";
}

void tst_FrmInizio::otherKeysAreDiscarded()
{
    QFETCH(QString, key);

    // In the level step, where an arrow left alone would move to the other level and select it.
    press(option(1, 0));
    tap(key);
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
    QCOMPARE(frameStates(), QStringLiteral("-++"));
    QCOMPARE(int(m_modulo->livello), 0);
    QVERIFY(!option(2, 0)->value());
    QVERIFY(!option(2, 1)->value());
}

void tst_FrmInizio::aLockedGroupPassesKeysToTheButton()
{
    // Enter on the direction leaves the level group locked until a key is released there.
    hold(QStringLiteral("Return"), 0, false);
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
    // The arrow is not discarded: the button's own arrow handling moves the focus on, and no
    // level is chosen.
    sendKey(QStringLiteral("Down"), true);
    QVERIFY(focusName() != QLatin1String("Option2_0"));
    QCOMPARE(int(m_modulo->livello), 0);
    QCOMPARE(frameStates(), QStringLiteral("-++"));
}

void tst_FrmInizio::aStaleLockEatsTheFirstKeyUntilReleased_data()
{
    QTest::addColumn<bool>("mouseReleasedOnDirectionSince");

    QTest::newRow("stale lock") << false;
    QTest::newRow("cleared by a mouse release on the direction") << true;
}

void tst_FrmInizio::aStaleLockEatsTheFirstKeyUntilReleased()
{
    QFETCH(bool, mouseReleasedOnDirectionSince);

    // Enter chooses the direction and is released on the level step: the direction group
    // stays locked.
    tap(QStringLiteral("Return"));
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
    if (mouseReleasedOnDirectionSince) {
        runSteps({"click Option2_0", "click Option3_1", "click Option1_1"});
    }
    runSteps({"click Option2_0", "click Option3_1"});
    QCOMPARE(focusName(), QStringLiteral("Option1_0"));
    QCOMPARE(frameStates(), QStringLiteral("+--"));

    sendKey(QStringLiteral("2"), true);
    QCOMPARE(focusName(), QString::fromLatin1(mouseReleasedOnDirectionSince ? "Option1_1" : "Option1_0"));
    sendKey(QStringLiteral("2"), false);
    tap(QStringLiteral("2"));
    QCOMPARE(focusName(), QStringLiteral("Option1_1"));
}

void tst_FrmInizio::aFocusMoveIntoAnInactiveFrameLeavesTheFocus()
{
    // Direction, level, Reimposta: Frame3 is inactive, and "Esci" is still usable.
    runSteps({"click Option1_0", "click Option2_0", "click Option3_1", "tap Tab"});
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));

    tap(QStringLiteral("Space")); // would go to "Vai"
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));
    tap(QStringLiteral("2")); // would go to "Reimposta"
    QCOMPARE(focusName(), QStringLiteral("Option3_2"));
    QCOMPARE(option(3, 2)->backColor(), kFocusColour);
    QCOMPARE(frameStates(), QStringLiteral("+--"));
}

void tst_FrmInizio::esciEndsTheProgramInEveryStep_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("at start") << QStringList{} << Qt::LeftButton;
    QTest::newRow("direction step, Frame3 inactive")
        << QStringList{"click Option1_0", "click Option2_0", "click Option3_1"} << Qt::LeftButton;
    QTest::newRow("level step, Frame3 inactive")
        << QStringList{"click Option1_0", "click Option2_0", "click Option3_1", "click Option1_1"} << Qt::LeftButton;
    QTest::newRow("right button, with an exercise window open")
        << QStringList{"click Option1_1", "click Option2_0", "click Option3_0", "start"} << Qt::RightButton;
}

void tst_FrmInizio::esciEndsTheProgramInEveryStep()
{
    QFETCH(QStringList, steps);
    QFETCH(Qt::MouseButton, button);

    runSteps(steps);
    QSignalSpy ended(&Forms::instance(), &Forms::lastUnloaded);
    QTest::mousePress(option(3, 2), button);
    QCOMPARE(ended.count(), 1);
    QVERIFY(Forms::instance().loaded().isEmpty());
    QVERIFY(!m_window->isVisible());
}

void tst_FrmInizio::vaiAgainBringsTheOpenWindowToTheFrontWithoutReloading()
{
    runSteps({"click Option1_0", "click Option2_0", "click Option3_0"});
    auto *first = Forms::instance().find<frmOperativo1>();
    QVERIFY(first);
    QPointer<frmOperativo1> guard(first);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(first));

    // The other direction opens beside it.
    runSteps({"start", "click Option1_1", "click Option2_1", "click Option3_0"});
    auto *second = Forms::instance().find<FrmOperativo2>();
    QVERIFY(second);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(second));

    // New choices, same direction as the first: the same window comes to the front.
    runSteps({"start", "click Option1_0", "click Option2_1", "click Option3_0"});
    QVERIFY(guard);
    QVERIFY(first->isLoaded());
    QCOMPARE(Forms::instance().find<frmOperativo1>(), first);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(first));
    QCOMPARE(Forms::instance().loaded().size(), 3);
    QCOMPARE(int(m_modulo->livello), 2);
}

void tst_FrmInizio::closingAnExerciseWindowClosesOnlyIt()
{
    runSteps({"click Option1_1", "click Option2_0", "click Option3_0"});
    auto *exercise = Forms::instance().find<FrmOperativo2>();
    QVERIFY(exercise);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(exercise));
    QSignalSpy ended(&Forms::instance(), &Forms::lastUnloaded);
    QVERIFY(exercise->close());
    QCOMPARE(Forms::instance().loaded(), QList<Form *>{m_window.data()});
    QCOMPARE(ended.count(), 0);
    // The start window is as its last action left it: at the direction step.
    QCOMPARE(frameStates(), QStringLiteral("+--"));
    // The pupil comes back to the start window: the keyboard works there again.
    QVERIFY(activateStart());
    tap(QStringLiteral("Return"));
    QCOMPARE(frameStates(), QStringLiteral("-+-"));
    QCOMPARE(focusName(), QStringLiteral("Option2_0"));
}

void tst_FrmInizio::closingTheStartWindowClosesEveryWindow()
{
    runSteps({"click Option1_1", "click Option2_0", "click Option3_0", "start", "click Option1_0", "click Option2_0",
              "click Option3_0"});
    QCOMPARE(Forms::instance().loaded().size(), 3);
    QSignalSpy ended(&Forms::instance(), &Forms::lastUnloaded);
    QVERIFY(m_window->close());
    QCOMPARE(ended.count(), 1);
    QVERIFY(Forms::instance().loaded().isEmpty());
}

QTEST_MAIN(tst_FrmInizio)
#include "tst_frminizio.moc"
