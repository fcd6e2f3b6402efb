// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The whole program under random input: a seeded monkey presses any mouse button on any visible
// control of any open window, types and holds keys, opens both exercise windows with "Vai",
// closes them, resizes and minimises windows, ticks the curtains, answers the message box and
// moves the clock on (across midnight too). After every event it checks what must always hold
// and stops at the first broken rule with the seed and the events that led there.
//
// BEXALO_MONKEY_EVENTS sets the number of events, BEXALO_MONKEY_SEED the seed.
#include "MonkeyRun.h"

#include "controls/OptionButton.h"
#include "platform/SystemSound.h"
#if BEXALO_SOUND_MODULE
#include "platform/LazySound.h"
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;

namespace {

// About a minute and a half on the 2-core CI machine in a RelWithDebInfo build (some 8000
// events a second); the sanitizers slow every event down about four times, so they get fewer.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultEvents = 200000;
#else
constexpr int kDefaultEvents = 700000;
#endif
constexpr std::uint32_t kDefaultSeed = 20261210;

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

// The choices of one run: what the pupil does next, and how often.
class Monkey : public MonkeyRun {
public:
    using MonkeyRun::MonkeyRun;

    // Runs until `events` events have been sent or a rule breaks; the failure is then in failure().
    void run(int events)
    {
        while (m_events < events && m_failure.isEmpty()) {
            advanceClock();
            if (!m_start) {
                startProgram();
                continue;
            }
            oneRandomEvent();
        }
    }

private:
    void oneRandomEvent()
    {
        const int r = pick(1000);
        if (r < 250) {
            playSensibly();
        } else if (r < 500) {
            clickAnyControl();
        } else if (r < 540) {
            lonePressOrRelease();
        } else if (r < 690) {
            typeKey(false);
        } else if (r < 730) {
            typeKey(true);
        } else if (r < 790) {
            vai(pick(2), pick(2));
        } else if (r < 830) {
            answerRight();
        } else if (r < 880) {
            activateAny();
        } else if (r < 945) {
            resizeAny();
        } else if (r < 965) {
            closeExerciseWindow();
        } else if (r < 990) {
            tickCurtains();
            clickAnyControl();
        } else if (r < 993) {
            quitProgram();
        } else {
            clickAnyControl();
        }
    }

    // Any visible control of a window the pupil can see, half the time one of its buttons.
    Control *anyVisibleControl(Form *form)
    {
        QList<Control *> all;
        QList<Control *> buttons;
        for (Control *c : form->controls()) {
            if (c->widget() && c->widget()->isVisible()) {
                all << c;
                if (qobject_cast<QAbstractButton *>(c->widget())) {
                    buttons << c;
                }
            }
        }
        const QList<Control *> &from = !buttons.isEmpty() && chance(50) ? buttons : all;
        if (from.isEmpty()) {
            return nullptr;
        }
        Control *c = from[pick(int(from.size()))];
        // "Esci" ends the run; let the pupil find it only now and then.
        if (c->name() == QLatin1String("Option3") && c->index() == 2 && !chance(5)) {
            return nullptr;
        }
        return c;
    }

    Form *anyClickableWindow()
    {
        const QList<Form *> forms = openWindows(true);
        return forms.isEmpty() ? nullptr : forms[pick(int(forms.size()))];
    }

    void clickAnyControl()
    {
        Form *form = anyClickableWindow();
        Control *c = form ? anyVisibleControl(form) : nullptr;
        if (c) {
            click(form, c, kButtons[pick(std::size(kButtons))]);
        }
    }

    void lonePressOrRelease()
    {
        Form *form = anyClickableWindow();
        Control *c = form ? anyVisibleControl(form) : nullptr;
        if (!c) {
            return;
        }
        const Qt::MouseButton button = kButtons[pick(std::size(kButtons))];
        if (chance(50)) {
            press(form, c, button);
        } else {
            release(form, c, button);
        }
    }

    // A key on whatever has the keyboard; held, it repeats as X11 sends it, and is let go or not.
    void typeKey(bool hold)
    {
        const MonkeyKey &k = kKeys[pick(std::size(kKeys))];
        const int repeats = hold ? 1 + pick(8) : 0;
        const bool letGo = !hold || chance(80);
        sendKey(k, true, false);
        for (int i = 0; i < repeats; ++i) {
            sendKey(k, false, true);
            sendKey(k, true, true);
        }
        if (letGo) {
            sendKey(k, false, false);
        }
    }

    void activateAny()
    {
        const QList<Form *> forms = openWindows(false);
        Form *f = forms[pick(int(forms.size()))];
        step(QStringLiteral("activate %1").arg(f->objectName()), f, [f] {
            if (f->isMinimized()) {
                f->showNormal();
            }
            activate(f);
        });
    }

    void resizeAny()
    {
        const QList<Form *> forms = openWindows(false);
        Form *f = forms[pick(int(forms.size()))];
        const int how = pick(10);
        if (how == 0) {
            step(QStringLiteral("minimise %1").arg(f->objectName()), f, [f] { f->showMinimized(); });
        } else if (how == 1) {
            step(QStringLiteral("maximise %1").arg(f->objectName()), f, [f] { f->showMaximized(); });
        } else if (how == 2) {
            step(QStringLiteral("restore %1").arg(f->objectName()), f, [f] { f->showNormal(); });
        } else {
            const QSize size = randomSize();
            step(QStringLiteral("resize %1 to %2x%3").arg(f->objectName()).arg(size.width()).arg(size.height()), f,
                 [f, size] { f->resize(size); });
        }
    }

    void closeExerciseWindow()
    {
        const QList<ExerciseWindow *> windows = exerciseWindows();
        if (windows.isEmpty()) {
            return;
        }
        ExerciseWindow *w = windows[pick(int(windows.size()))];
        step(QStringLiteral("close %1").arg(w->objectName()), w, [w] { w->close(); });
    }

    void quitProgram()
    {
        if (chance(50)) {
            step(QStringLiteral("close start window"), m_start, [this] { m_start->close(); });
        } else {
            auto *esci = m_start->get<OptionButton>("Option3", 2);
            step(QStringLiteral("press Left on Esci"), m_start, [esci] { QTest::mousePress(esci, Qt::LeftButton); });
        }
    }

    // The pupil's choice of direction and level, then "Vai". The presses go to the options
    // themselves, as the keyboard could also reach them behind closed curtains.
    void vai(int direction, int level)
    {
        pressOption(QStringLiteral("start window back"), nullptr, -1);
        if (!m_start) {
            return;
        }
        if (!m_start->get<Frame>("Frame1")->isEnabled()) {
            pressOption(QStringLiteral("level"), m_start->get<OptionButton>("Option2", level), 2);
            pressOption(QStringLiteral("Reimposta"), m_start ? m_start->get<OptionButton>("Option3", 1) : nullptr, 3);
        }
        pressOption(QStringLiteral("direction"), m_start ? m_start->get<OptionButton>("Option1", direction) : nullptr,
                    1);
        pressOption(QStringLiteral("level"), m_start ? m_start->get<OptionButton>("Option2", level) : nullptr, 2);
        pressOption(QStringLiteral("Vai"), m_start ? m_start->get<OptionButton>("Option3", 0) : nullptr, 3);
    }

    void pressOption(const QString &what, OptionButton *option, int group)
    {
        if (!m_start) {
            return;
        }
        if (group < 0) {
            step(QStringLiteral("bring the start window back"), m_start, [this] {
                if (m_start->isMinimized()) {
                    m_start->showNormal();
                }
                activate(m_start);
            });
            return;
        }
        if (!option || !option->isEnabled() || blockedByModal(QStringLiteral("vai"))) {
            return;
        }
        step(QStringLiteral("vai: press %1 %2").arg(what, option->objectName()), m_start,
             [option] { QTest::mousePress(option, Qt::LeftButton); });
        if (m_start && option->isVisible()) {
            step(QStringLiteral("vai: release %1").arg(option->objectName()), m_start,
                 [option] { QTest::mouseRelease(option, Qt::LeftButton); });
        }
    }

    ExerciseWindow *anyClickableExerciseWindow()
    {
        QList<ExerciseWindow *> windows;
        for (Form *f : openWindows(true)) {
            if (auto *w = qobject_cast<ExerciseWindow *>(f)) {
                windows << w;
            }
        }
        return windows.isEmpty() ? nullptr : windows[pick(int(windows.size()))];
    }

    // A pupil who plays: answers the help offer, builds and verifies, moves on.
    void playSensibly()
    {
        ExerciseWindow *w = anyClickableExerciseWindow();
        if (!w) {
            vai(pick(2), pick(2));
            return;
        }
        const char *name = nullptr;
        if (ExerciseRig::helpFrame(w)->isShown()) {
            name = chance(75) ? "Cmdno" : "Cmdsi";
        } else if (ExerciseRig::countersEnabled(w, true)) {
            static const char *const counters[] = {"CmdContaUp",  "CmdContaUm", "CmdContaDap",
                                                   "CmdContaDam", "CmdContaHp", "CmdContaHm"};
            name = ExerciseRig::shown(w, "CmdVerifica") && chance(25) ? "CmdVerifica" : counters[pick(6)];
        } else {
            name = "CmdOperazione";
        }
        Control *c = ExerciseRig::control(w, name);
        if (c->widget()->isVisible()) {
            click(w, c, Qt::LeftButton);
        }
    }

    // Builds the right answer with "+" and "-" and verifies it.
    void answerRight()
    {
        ExerciseWindow *w = anyClickableExerciseWindow();
        if (!w || !ExerciseRig::countersEnabled(w, true)) {
            return;
        }
        QPointer<ExerciseWindow> alive(w);
        for (int guard = 0; guard < 40 && alive && m_failure.isEmpty(); ++guard) {
            const Esercizio &e = w->esercizio();
            const char *name = nullptr;
            for (Posto p : kAllPlaces) {
                if (e.conta(p) != e.cifra(p)) {
                    name = e.conta(p) < e.cifra(p) ? names(p).plus : names(p).minus;
                    break;
                }
            }
            if (!name) {
                name = "CmdVerifica";
            }
            Control *c = ExerciseRig::control(w, name);
            if (!c->widget()->isVisible() || !c->widget()->isEnabled()) {
                return;
            }
            click(w, c, Qt::LeftButton);
            if (qstrcmp(name, "CmdVerifica") == 0) {
                return;
            }
        }
    }
};

class tst_Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomEventsNeverBreakTheRules();
    void theRealSoundWithoutItsFileChangesNothing();

private:
    // Sends the events, then reports the run; fails with the log at the first broken rule.
    void runAndReport(Monkey &monkey, std::uint32_t seed, int events);
    void report(const Monkey &monkey, std::uint32_t seed, qint64 ms);
};

// The offscreen platform says it cannot raise a window or pass on size hints each time it is
// asked: tens of thousands of times in a run.
void tst_Monkey::initTestCase()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support "))) {
            previous(type, context, message);
        }
    });
    // Keys come as X11 sends them, the held key-ups waiting for a pairing key-down: the most
    // intricate of the ways a platform delivers them.
    OptionButton::setHoldsBackKeyUps(true);
}

void tst_Monkey::runAndReport(Monkey &monkey, std::uint32_t seed, int events)
{
    QElapsedTimer clock;
    clock.start();
    monkey.run(events);
    report(monkey, seed, clock.elapsed());
    if (!QTest::currentTestFailed()) {
        QVERIFY(monkey.events() >= events);
    }
}

void tst_Monkey::report(const Monkey &monkey, std::uint32_t seed, qint64 ms)
{
    qInfo("seed %u: %d events in %lld ms, %d program starts, %d verdicts, %d message boxes, both exercise "
          "windows open after %d%% of the events",
          seed, monkey.events(), ms, monkey.starts(), monkey.verdicts(), monkey.messageBoxes(),
          monkey.events() > 0 ? int(qint64(monkey.bothOpen()) * 100 / monkey.events()) : 0);
    const QString asked = qEnvironmentVariable("BEXALO_MONKEY_LOG");
    if (monkey.failure().isEmpty() && asked.isEmpty()) {
        return;
    }
    const QString path =
        !asked.isEmpty() ? asked : QDir::current().absoluteFilePath(QStringLiteral("monkey-%1.log").arg(seed));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(monkey.log().join(QLatin1Char('\n')).toUtf8());
    }
    if (monkey.failure().isEmpty()) {
        return;
    }
    const QStringList &log = monkey.log();
    const QStringList last = log.mid(std::max<qsizetype>(0, log.size() - 60));
    QFAIL(qPrintable(QStringLiteral("%1\nThe last events (all of them in %2; replay with BEXALO_MONKEY_SEED=%3 "
                                    "BEXALO_MONKEY_EVENTS=%4):\n%5")
                         .arg(monkey.failure(), path)
                         .arg(seed)
                         .arg(monkey.events())
                         .arg(last.join(QLatin1Char('\n')))));
}

void tst_Monkey::randomEventsNeverBreakTheRules()
{
    const auto seed = std::uint32_t(envInt("BEXALO_MONKEY_SEED", int(kDefaultSeed)));
    const int events = envInt("BEXALO_MONKEY_EVENTS", kDefaultEvents);
    RecordingSound sound;
    Monkey monkey(seed, &sound, &sound);
    runAndReport(monkey, seed, events);
    if (QTest::currentTestFailed()) {
        return;
    }
    // A run that never got to the exercises would prove nothing.
    QVERIFY(monkey.verdicts() > 0);
    QVERIFY(monkey.maxOpenExerciseWindows() == 2);
}

// The real sound with positivo.wav missing: right answers must go on as always, silently.
void tst_Monkey::theRealSoundWithoutItsFileChangesNothing()
{
    const auto seed = std::uint32_t(envInt("BEXALO_MONKEY_SEED", int(kDefaultSeed))) + 1;
    const int events = envInt("BEXALO_MONKEY_EVENTS", kDefaultEvents) / 20;
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    // The sound as the program wires it on this platform (where it is a module, the module
    // found), the file not.
    const std::unique_ptr<Sound> sound = makeSystemSound(qEnvironmentVariable("BEXALO_PROGRAM_DIR"));
    Monkey monkey(seed, sound.get(), nullptr);
    monkey.setProgramFolder(empty.path());
    runAndReport(monkey, seed, events);
    if (QTest::currentTestFailed()) {
        return;
    }
    QVERIFY(monkey.verdicts() > 0);
#if BEXALO_SOUND_MODULE
    QVERIFY(dynamic_cast<const LazySound &>(*sound).isLoaded());
#endif
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
