// The whole program under random input: a seeded monkey presses any mouse button on any visible
// control of any open window, types and holds keys, opens both exercise windows with "Vai",
// closes them, resizes and minimises windows, ticks the curtains, answers the message box and
// moves the clock on (across midnight too). After every event it checks what must always hold
// and stops at the first broken rule with the seed and the events that led there.
//
// BEXALO_MONKEY_EVENTS sets the number of events, BEXALO_MONKEY_SEED the seed.
#include "MonkeyReferee.h"

#include "controls/Forms.h"
#include "controls/OptionButton.h"
#include "controls/Timer.h"
#include "platform/LazySound.h"
#include "start/FrmInizio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>
#include <random>

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
// Enough of the log to read how the failure came about; the seed replays the rest.
constexpr std::size_t kKeptEvents = 5000;

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

struct KeySpec {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
};

const KeySpec kKeys[] = {
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

const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                    Qt::MiddleButton, Qt::BackButton};

QString buttonName(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return QStringLiteral("Left");
    case Qt::RightButton: return QStringLiteral("Right");
    case Qt::MiddleButton: return QStringLiteral("Middle");
    default: return QStringLiteral("Back");
    }
}

QString controlName(const Control *c)
{
    return c->index() < 0 ? c->name() : QStringLiteral("%1(%2)").arg(c->name()).arg(c->index());
}

} // namespace

// Drives one run: the program, its windows and the event log.
class Monkey {
public:
    Monkey(std::uint32_t seed, Sound *sound, RecordingSound *recording)
        : m_rng(seed), m_seed(seed), m_sound(sound), m_referee(recording)
    {
        m_answerer.setInterval(1);
        QObject::connect(&m_answerer, &QTimer::timeout, [this] { answerMessageBox(); });
        m_answerer.start();
    }
    ~Monkey() { endProgram(); }

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

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    // ---- the program ------------------------------------------------------------------------

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

    static void activate(Form *f)
    {
        f->activateWindow();
        QApplication::setActiveWindow(f);
    }

    QSize randomSize()
    {
        switch (pick(6)) {
        case 0: return {0, 0};
        case 1: return {1 + pick(40), 1 + pick(40)};
        case 2: return {2400 + pick(1600), 1800 + pick(1200)};
        default: return {100 + pick(1500), 80 + pick(1100)};
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

    // ---- events -------------------------------------------------------------------------------

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

    // A press and a release on the same spot; whatever lies on top there gets them.
    void click(Form *form, Control *c, Qt::MouseButton button)
    {
        press(form, c, button);
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

    void press(Form *form, Control *c, Qt::MouseButton button)
    {
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
        QPoint local;
        QPointer<QWidget> hit = hitAt(form, c, &local);
        step(QStringLiteral("release %1 on %2.%3 (hits %4)")
                 .arg(buttonName(button), form->objectName(), controlName(c), hit->objectName()),
             form, [&] { QTest::mouseRelease(hit, button, Qt::NoModifier, local); });
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
        const KeySpec &k = kKeys[pick(std::size(kKeys))];
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

    void sendKey(const KeySpec &k, bool down, bool autoRepeat)
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
             form, [&] {
                 QTest::simulateEvent(target, down, k.key, k.modifiers, QString::fromLatin1(k.text), autoRepeat);
             });
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
        pressOption(QStringLiteral("direction"), m_start ? m_start->get<OptionButton>("Option1", direction) : nullptr, 1);
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
        if (!option || !option->isEnabled()) {
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
            static const char *const counters[] = {"CmdContaUp", "CmdContaUm", "CmdContaDap",
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

    // The modal box of the third "No" runs its own event loop inside the handler: this timer
    // answers it there, one way or another.
    void answerMessageBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_answering) {
            return;
        }
        m_answering = true;
        ++m_boxes;
        const QString expected = QStringLiteral("Hai già fatto 3 tentativi. \nOra intervengo io. ");
        if (box->windowTitle() != QLatin1String("Attenzione") || box->text() != expected
            || box->buttons().size() != 1) {
            fail(QStringLiteral("message box '%1' / '%2'").arg(box->windowTitle(), box->text()));
        }
        const int how = pick(4);
        static const char *const ways[] = {"OK clicked", "Return", "Escape", "closed"};
        note(QStringLiteral("      message box '%1' answered: %2").arg(box->windowTitle(), QLatin1String(ways[how])));
        switch (how) {
        case 0: QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); break;
        case 1: QTest::keyClick(box, Qt::Key_Return); break;
        case 2: QTest::keyClick(box, Qt::Key_Escape); break;
        default: box->close(); break;
        }
        m_answering = false;
    }

    // ---- one event and the rules after it ---------------------------------------------------

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

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomEventsNeverBreakTheRules();
    void theRealSoundWithoutItsFileChangesNothing();

private:
    void report(const Monkey &monkey, std::uint32_t seed, qint64 ms);
};

// The offscreen platform says it cannot raise a window or pass on size hints each time it is
// asked: tens of thousands of times in a run.
void TestMonkey::initTestCase()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support "))) {
            previous(type, context, message);
        }
    });
}

void TestMonkey::report(const Monkey &monkey, std::uint32_t seed, qint64 ms)
{
    qInfo("seed %u: %d events in %lld ms, %d program starts, %d verdicts, %d message boxes, both exercise "
          "windows open after %d%% of the events",
          seed, monkey.events(), ms, monkey.starts(), monkey.verdicts(), monkey.messageBoxes(),
          monkey.events() > 0 ? int(qint64(monkey.bothOpen()) * 100 / monkey.events()) : 0);
    const QString asked = qEnvironmentVariable("BEXALO_MONKEY_LOG");
    if (monkey.failure().isEmpty() && asked.isEmpty()) {
        return;
    }
    const QString path = !asked.isEmpty() ? asked
                                          : QDir::current().absoluteFilePath(QStringLiteral("monkey-%1.log").arg(seed));
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
                         .arg(monkey.failure(), path).arg(seed).arg(monkey.events())
                         .arg(last.join(QLatin1Char('\n')))));
}

void TestMonkey::randomEventsNeverBreakTheRules()
{
    const auto seed = std::uint32_t(envInt("BEXALO_MONKEY_SEED", int(kDefaultSeed)));
    const int events = envInt("BEXALO_MONKEY_EVENTS", kDefaultEvents);
    RecordingSound sound;
    Monkey monkey(seed, &sound, &sound);
    QElapsedTimer clock;
    clock.start();
    monkey.run(events);
    report(monkey, seed, clock.elapsed());
    if (QTest::currentTestFailed()) {
        return;
    }
    QVERIFY(monkey.events() >= events);
    // A run that never got to the exercises would prove nothing.
    QVERIFY(monkey.verdicts() > 0);
    QVERIFY(monkey.maxOpenExerciseWindows() == 2);
}

// The real sound with positivo.wav missing: right answers must go on as always, silently.
void TestMonkey::theRealSoundWithoutItsFileChangesNothing()
{
    const auto seed = std::uint32_t(envInt("BEXALO_MONKEY_SEED", int(kDefaultSeed))) + 1;
    const int events = envInt("BEXALO_MONKEY_EVENTS", kDefaultEvents) / 20;
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    // The sound as the program wires it, its module found, the file not.
    LazySound sound(qEnvironmentVariable("BEXALO_PROGRAM_DIR"));
    Monkey monkey(seed, &sound, nullptr);
    monkey.setProgramFolder(empty.path());
    QElapsedTimer clock;
    clock.start();
    monkey.run(events);
    report(monkey, seed, clock.elapsed());
    if (QTest::currentTestFailed()) {
        return;
    }
    QVERIFY(monkey.events() >= events);
    QVERIFY(monkey.verdicts() > 0);
    QVERIFY(sound.isLoaded());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
