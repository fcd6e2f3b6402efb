// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A test rig for the exercise windows: the shared state wired to a settable clock, a recording
// sound and a generator (seeded or scripted), and helpers that press buttons as a pupil would
// and read what the pupil sees.
#pragma once

#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "exercise/ExerciseWindow.h"
#include "exercise/FrmOperativo2.h"
#include "exercise/frmOperativo1.h"
#include "fakes/FakeServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace bexalo::test {

inline const char *const kFrm1 = "frmOperativo1";
inline const char *const kFrm2 = "FrmOperativo2";

// Names of one place's controls, indexed like Posto (hundreds, tens, units).
struct PlaceNames {
    const char *plus;
    const char *minus;
    const char *beads;
    const char *images;
    const char *column;
};
inline const PlaceNames kPlaces[3] = {
    {"CmdContaHp", "CmdContaHm", "Picture21", "ImageH", "Frame6"},
    {"CmdContaDap", "CmdContaDam", "Picture11", "ImageDA", "Frame5"},
    {"CmdContaUp", "CmdContaUm", "Picture1", "ImageU", "Frame4"},
};
inline const PlaceNames &names(Posto p) { return kPlaces[static_cast<int>(p)]; }
inline constexpr Posto kAllPlaces[3] = {Posto::Centinaia, Posto::Decine, Posto::Unita};

// Rows of a test run in both windows, and in both windows at both levels.
inline void addWindowRows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow(kFrm1) << QString::fromLatin1(kFrm1);
    QTest::newRow(kFrm2) << QString::fromLatin1(kFrm2);
}

inline void addWindowAndLevelRows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("livello");
    for (const char *w : {kFrm1, kFrm2}) {
        for (int l : {1, 2}) {
            QTest::addRow("%s level %d", w, l) << QString::fromLatin1(w) << l;
        }
    }
}

class ExerciseRig : public FakeServices {
public:
    explicit ExerciseRig(std::uint32_t seed = 7) : FakeServices(seed)
    {
        modulo.programFolder = QStringLiteral("/opt/bexalo");
    }
    ~ExerciseRig()
    {
        for (const QPointer<ExerciseWindow> &w : m_windows) {
            delete w.data();
        }
    }

    // Loads the window and shows it, as "Vai" does; the first resize lays it out.
    ExerciseWindow *open(const QString &kind, int livello)
    {
        modulo.livello = static_cast<std::int16_t>(livello);
        ExerciseWindow *w = nullptr;
        if (kind == QLatin1String(kFrm1)) {
            w = new frmOperativo1(modulo);
        } else {
            w = new FrmOperativo2(modulo);
        }
        m_windows.append(w);
        w->load();
        w->showModeless();
        if (!QTest::qWaitForWindowExposed(w)) {
            qWarning("window not exposed");
        }
        return w;
    }

    static Control *control(ExerciseWindow *w, const char *name, int index = -1)
    {
        return w->control(QString::fromUtf8(name), index);
    }
    static CommandButton *button(ExerciseWindow *w, const char *name) { return w->get<CommandButton>(name); }
    static QString caption(ExerciseWindow *w, const char *name) { return control(w, name)->caption(); }
    static bool shown(ExerciseWindow *w, const char *name) { return control(w, name)->isShown(); }

    // A mouse click, only on a button the pupil can see and use.
    [[nodiscard]] static bool press(ExerciseWindow *w, const char *name)
    {
        CommandButton *b = button(w, name);
        if (!b || !b->isVisible() || !b->isEnabled()) {
            return false;
        }
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    [[nodiscard]] static bool press(ExerciseWindow *w, const char *name, int times)
    {
        for (int i = 0; i < times; ++i) {
            if (!press(w, name)) {
                return false;
            }
        }
        return true;
    }
    // Builds an answer with "+" presses from empty counts.
    [[nodiscard]] static bool answer(ExerciseWindow *w, int h, int da, int u)
    {
        return press(w, "CmdContaHp", h) && press(w, "CmdContaDap", da) && press(w, "CmdContaUp", u);
    }
    [[nodiscard]] static bool answerRight(ExerciseWindow *w)
    {
        const Esercizio &e = w->esercizio();
        return answer(w, e.cifraH, e.cifraDa, e.cifraU);
    }

    // Indices of the visible elements of a control array.
    static QList<int> visible(ExerciseWindow *w, const char *name, int from, int to)
    {
        QList<int> v;
        for (int i = from; i <= to; ++i) {
            if (Control *c = control(w, name, i); c && c->isShown()) {
                v.append(i);
            }
        }
        return v;
    }
    static QList<int> beads(ExerciseWindow *w, Posto p) { return visible(w, names(p).beads, 1, 10); }
    static QList<int> pictures(ExerciseWindow *w, Posto p) { return visible(w, names(p).images, 0, 8); }
    static QList<int> firstN(int from, int n)
    {
        QList<int> v;
        for (int i = 0; i < n; ++i) {
            v.append(from + i);
        }
        return v;
    }

    static bool countersEnabled(ExerciseWindow *w, bool enabled)
    {
        for (Posto p : kAllPlaces) {
            if (button(w, names(p).plus)->isEnabled() != enabled || button(w, names(p).minus)->isEnabled() != enabled) {
                return false;
            }
        }
        return true;
    }
    static Colour pairColour(ExerciseWindow *w, Posto p)
    {
        const Colour plus = button(w, names(p).plus)->backColor();
        return plus == button(w, names(p).minus)->backColor() ? plus : kDefaultColour;
    }
    static Frame *helpFrame(ExerciseWindow *w)
    {
        return w->get<Frame>(w->objectName() == QLatin1String("frmOperativo1") ? "fraAiuto" : "frmAiuto");
    }
    // The widget the pupil sees at the middle of a control.
    static QWidget *seenAtCentreOf(ExerciseWindow *w, const char *name)
    {
        QWidget *target = control(w, name)->widget();
        return w->childAt(target->mapTo(w, target->rect().center()));
    }

private:
    QList<QPointer<ExerciseWindow>> m_windows;
};

// Answers the next modal box when it comes up: records its title and text, then presses OK
// (or first runs `meanwhile`, e.g. to close the window behind it).
class ModalCloser {
public:
    explicit ModalCloser(std::function<void()> meanwhile = {}) : m_meanwhile(std::move(meanwhile))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            m_timer.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            if (m_meanwhile) {
                m_meanwhile();
            }
            box->button(QMessageBox::Ok)->click();
            ++closed;
        });
        m_timer.start();
    }

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    int closed = 0;

private:
    QTimer m_timer;
    std::function<void()> m_meanwhile;
};

} // namespace bexalo::test
