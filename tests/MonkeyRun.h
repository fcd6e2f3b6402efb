// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The monkey test's machinery: one run of the program under random input, with its own
// generator of choices, a fake clock, the event log, and the hands that press, release and type
// as a pupil would. Every event goes through step(), which lets the program settle and has the
// referee look at it. The choice of events is the test's own (tst_monkey.cpp).
#pragma once

#include "MonkeyReferee.h"

#include "controls/Forms.h"
#include "controls/OptionButton.h"
#include "controls/Timer.h"
#include "start/FrmInizio.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>
#include <random>

namespace bexalo::test {

// Enough of the log to read how the failure came about; the seed replays the rest.
inline constexpr std::size_t kKeptEvents = 5000;

struct MonkeyKey {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
};

inline const MonkeyKey kKeys[] = {
    {"1", Qt::Key_1, Qt::NoModifier, "1"},
    {"2", Qt::Key_2, Qt::NoModifier, "2"},
    {"3", Qt::Key_3, Qt::NoModifier, "3"},
    {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {"Space", Qt::Key_Space, Qt::NoModifier, " "},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {"A", Qt::Key_A, Qt::NoModifier, "a"},
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},
    {"Down", Qt::Key_Down, Qt::NoModifier, ""},
    {"Keypad1", Qt::Key_1, Qt::KeypadModifier, "1"},
    {"Plus", Qt::Key_Plus, Qt::NoModifier, "+"},
    {"Minus", Qt::Key_Minus, Qt::NoModifier, "-"},
    {"F4", Qt::Key_F4, Qt::AltModifier, ""},
};

inline const Qt::MouseButton kButtons[] = {Qt::LeftButton,  Qt::LeftButton,   Qt::LeftButton,
                                           Qt::RightButton, Qt::MiddleButton, Qt::BackButton};

inline QString buttonName(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return QStringLiteral("Left");
    case Qt::RightButton:
        return QStringLiteral("Right");
    case Qt::MiddleButton:
        return QStringLiteral("Middle");
    default:
        return QStringLiteral("Back");
    }
}

inline QString controlName(const Control *c)
{
    return c->index() < 0 ? c->name() : QStringLiteral("%1(%2)").arg(c->name()).arg(c->index());
}

// One run: the program started afresh when it has ended, every event sent through step().
class MonkeyRun {
public:
    MonkeyRun(std::uint32_t seed, Sound *sound, RecordingSound *recording)
        : m_rng(seed), m_seed(seed), m_sound(sound), m_referee(recording)
    {
        m_answerer.setInterval(1);
        QObject::connect(&m_answerer, &QTimer::timeout, [this] { answerMessageBox(); });
        m_answerer.start();
    }
    virtual ~MonkeyRun() { endProgram(); }

    // Set before the first start: where the program looks for its sound.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    const QString &failure() const { return m_failure; }

    int events() const { return m_events; }

    int verdicts() const { return m_referee.verdicts(); }

    int messageBoxes() const { return m_boxes; }

    int maxOpenExerciseWindows() const { return m_referee.mostWindowsOpen(); }

    int bothOpen() const { return m_referee.bothOpen(); }

    int starts() const { return m_starts; }

    // The latest events, up to kKeptEvents of them.
    QStringList log() const { return QStringList(m_log.begin(), m_log.end()); }

    void endProgram()
    {
        const QList<Form *> loaded = Forms::instance().loaded();
        for (Form *f : loaded) {
            f->unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

protected:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    bool chance(int percent) { return pick(100) < percent; }

    void startProgram()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A new run of the program: everything afresh, as main() sets it up.
        m_modulo = std::make_unique<Modulo1>();
        m_random = std::make_unique<MersenneRandom>();
        m_modulo->clock = &m_clock;
        m_modulo->random = m_random.get();
        m_modulo->sound = m_sound;
        m_modulo->programFolder = m_programFolder;
        m_referee.newProgram(m_programFolder);
        ++m_starts;
        step(QStringLiteral("program starts"), nullptr, [this] {
            m_start = new FrmInizio(*m_modulo);
            m_start->load();
            m_start->showModeless();
            if (!QTest::qWaitForWindowExposed(m_start)) {
                fail(QStringLiteral("the start window never showed"));
            }
            activate(m_start);
            if (!QTest::qWaitForWindowActive(m_start)) {
                fail(QStringLiteral("the start window never became active"));
            }
        });
        // Curtain ticks and start-window resizes in a random order while the curtains open,
        // then the rest of the ticks; only ticks move the curtains here, so a seed replays.
        m_curtainPhase = true;
        const int phase = pick(20);
        for (int i = 0; i < phase && m_failure.isEmpty(); ++i) {
            if (chance(75)) {
                tickCurtains();
            } else {
                const QSize size = randomSize();
                step(QStringLiteral("resize start window to %1x%2").arg(size.width()).arg(size.height()), m_start,
                     [this, size] { m_start->resize(size); });
            }
        }
        auto *curtains = m_start->get<Timer>("timerTendine");
        int ticks = 0;
        while (curtains->isTimerEnabled() && ticks < 2000) {
            curtains->tick();
            ++ticks;
        }
        m_curtainPhase = false;
        note(QStringLiteral("      curtains ticked open with %1 more ticks").arg(ticks));
        if (curtains->isTimerEnabled()) {
            fail(QStringLiteral("the curtains never open: the timer keeps running"));
        }
    }

    void tickCurtains()
    {
        auto *curtains = m_start->get<Timer>("timerTendine");
        if (!curtains->isTimerEnabled()) {
            return;
        }
        step(QStringLiteral("curtain tick"), m_start, [curtains] { curtains->tick(); });
    }

    QList<Form *> openWindows(bool clickable) const
    {
        QList<Form *> forms;
        for (Form *f : Forms::instance().loaded()) {
            if (f->isLoaded() && (!clickable || (f->isVisible() && !f->isMinimized()))) {
                forms << f;
            }
        }
        return forms;
    }

    QList<ExerciseWindow *> exerciseWindows() const
    {
        QList<ExerciseWindow *> windows;
        for (Form *f : openWindows(false)) {
            if (auto *w = qobject_cast<ExerciseWindow *>(f)) {
                windows << w;
            }
        }
        return windows;
    }

    Form *formOf(QWindow *window) const
    {
        for (Form *f : openWindows(false)) {
            if (f->windowHandle() == window) {
                return f;
            }
        }
        return nullptr;
    }

    // As the window system activates a window: asked for here, it arrives with the events that
    // the step's settling delivers.
    static void activate(Form *f) { f->activateWindow(); }

    QSize randomSize()
    {
        switch (pick(6)) {
        case 0:
            return {0, 0};
        case 1:
            return {1 + pick(40), 1 + pick(40)};
        case 2:
            return {2400 + pick(1600), 1800 + pick(1200)};
        default:
            return {100 + pick(1500), 80 + pick(1100)};
        }
    }

    void advanceClock()
    {
        const int r = pick(1000);
        float delta = 0.0f;
        if (r < 900) {
            delta = float(pick(3000)) / 1000.0f;
        } else if (r < 990) {
            delta = float(pick(600000)) / 1000.0f;
        } else {
            // Close to midnight, so that the exercise under way crosses it.
            m_clock.now = 86400.0f - float(pick(5000)) / 1000.0f;
        }
        m_clock.now += delta;
        if (m_clock.now >= 86400.0f) {
            m_clock.now -= 86400.0f;
        }
    }

    // A press and a release on the same spot; whatever lies on top there gets them.
    void click(Form *form, Control *c, Qt::MouseButton button)
    {
        // The press may close the window or end the program, and the control goes with it:
        // nothing of it may be touched afterwards unless it is still there.
        const QString name = controlName(c);
        const QPointer<QWidget> widget = c->widget();
        press(form, c, button);
        if (!widget || !openWindows(false).contains(form)) {
            note(QStringLiteral("      (release on %1 skipped: its window has closed)").arg(name));
            return;
        }
        release(form, c, button);
    }

    QPointer<QWidget> hitAt(Form *form, Control *c, QPoint *local)
    {
        QWidget *target = c->widget();
        const QPoint inWindow = target->mapTo(form, QRect(QPoint(), target->size()).center());
        QWidget *hit = form->childAt(inWindow);
        if (!hit) {
            hit = form;
        }
        *local = hit->mapFrom(form, inWindow);
        return hit;
    }

    // Qt drops the window system's mouse input to a window that a modal box blocks; QTest's
    // widget events go round that check, so the monkey drops them itself, as Qt would.
    bool blockedByModal(const QString &what)
    {
        if (!QApplication::activeModalWidget()) {
            return false;
        }
        note(QStringLiteral("      (%1: blocked by the message box)").arg(what));
        return true;
    }

    void press(Form *form, Control *c, Qt::MouseButton button)
    {
        if (blockedByModal(QStringLiteral("press on %1.%2").arg(form->objectName(), controlName(c)))) {
            return;
        }
        QPoint local;
        QPointer<QWidget> hit = hitAt(form, c, &local);
        step(QStringLiteral("press %1 on %2.%3 (hits %4)")
                 .arg(buttonName(button), form->objectName(), controlName(c), hit->objectName()),
             form, [&] { QTest::mousePress(hit, button, Qt::NoModifier, local); });
    }

    void release(Form *form, Control *c, Qt::MouseButton button)
    {
        // The press may have closed the window or the program.
        if (!openWindows(false).contains(form) || !c->widget()->isVisible()) {
            note(QStringLiteral("      (release on %1 skipped: no longer on screen)").arg(controlName(c)));
            return;
        }
        if (blockedByModal(QStringLiteral("release on %1.%2").arg(form->objectName(), controlName(c)))) {
            return;
        }
        QPoint local;
        QPointer<QWidget> hit = hitAt(form, c, &local);
        step(QStringLiteral("release %1 on %2.%3 (hits %4)")
                 .arg(buttonName(button), form->objectName(), controlName(c), hit->objectName()),
             form, [&] { QTest::mouseRelease(hit, button, Qt::NoModifier, local); });
    }

    void sendKey(const MonkeyKey &k, bool down, bool autoRepeat)
    {
        QWindow *target = QGuiApplication::focusWindow();
        Form *form = formOf(target);
        if (!form) {
            note(QStringLiteral("      (key %1 reaches no window)").arg(QString::fromLatin1(k.name)));
            return;
        }
        step(QStringLiteral("key %1 %2%3 on %4 (focus %5)")
                 .arg(QString::fromLatin1(k.name), down ? QStringLiteral("down") : QStringLiteral("up"),
                      autoRepeat ? QStringLiteral(" repeat") : QString(), form->objectName(),
                      form->focusWidget() ? form->focusWidget()->objectName() : QStringLiteral("none")),
             form,
             [&] { QTest::simulateEvent(target, down, k.key, k.modifiers, QString::fromLatin1(k.text), autoRepeat); });
    }

    // The modal box of the third "No" stays up while the monkey goes on (what it sends to the
    // windows behind it must come to nothing); this timer answers it, one way or another.
    void answerMessageBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_answering) {
            return;
        }
        m_answering = true;
        ++m_boxes;
        const QString expected = QStringLiteral("Hai già fatto 3 tentativi. \nOra intervengo io. ");
        if (box->windowTitle() != QLatin1String("Attenzione") || box->text() != expected ||
            box->buttons().size() != 1) {
            fail(QStringLiteral("message box '%1' / '%2'").arg(box->windowTitle(), box->text()));
        }
        const int how = pick(4);
        static const char *const ways[] = {"OK clicked", "Return", "Escape", "closed"};
        note(QStringLiteral("      message box '%1' answered: %2").arg(box->windowTitle(), QLatin1String(ways[how])));
        switch (how) {
        case 0:
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        default:
            box->close();
            break;
        }
        m_answering = false;
    }

    template <class Action>

    void step(const QString &what, Form *target, Action &&action)
    {
        if (!m_failure.isEmpty()) {
            return;
        }
        ++m_events;
        note(QStringLiteral("%1 [t=%2] %3").arg(m_events, 6).arg(double(m_clock.now), 0, 'f', 3).arg(what));
        m_referee.before(exerciseWindows());
        action();
        settle();
        if (!m_start) {
            // The program has ended: nothing of it may be left.
            if (!Forms::instance().loaded().isEmpty()) {
                fail(QStringLiteral("windows left after the start window closed"));
            }
            note(QStringLiteral("      program ended"));
            return;
        }
        const QStringList broken = m_referee.after(*m_start, exerciseWindows(), target, *m_modulo);
        if (!broken.isEmpty()) {
            fail(broken.join(QStringLiteral("; ")));
        }
    }

    void settle()
    {
        // While the curtains open only the monkey's own ticks move them, so that a seed replays.
        if (m_curtainPhase) {
            QCoreApplication::sendPostedEvents();
        } else {
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void note(const QString &line)
    {
        m_log.push_back(line);
        if (m_log.size() > kKeptEvents) {
            m_log.pop_front();
        }
    }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty()) {
            m_failure = QStringLiteral("seed %1, event %2: %3").arg(m_seed).arg(m_events).arg(why);
        }
    }

    std::mt19937 m_rng;
    std::uint32_t m_seed;
    Sound *m_sound;
    MonkeyReferee m_referee;
    QString m_programFolder = QStringLiteral("/opt/bexalo");
    FakeClock m_clock;
    std::unique_ptr<MersenneRandom> m_random;
    std::unique_ptr<Modulo1> m_modulo;
    QPointer<FrmInizio> m_start;
    QTimer m_answerer;
    std::deque<QString> m_log;
    QString m_failure;
    bool m_curtainPhase = false;
    bool m_answering = false;
    int m_events = 0;
    int m_boxes = 0;
    int m_starts = 0;
};

} // namespace bexalo::test
