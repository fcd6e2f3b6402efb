// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The monkey test's referee: looks at the program before and after each event and names every
// rule the event broke: the rules of each exercise window (MonkeyInvariants.h), each window's
// exercise its own, the verdict right for what was compared, one sound per right answer, the
// total time never going down, and the start window's frames whole.
#pragma once

#include "MonkeyInvariants.h"

#include "controls/OptionButton.h"
#include "start/FrmInizio.h"

namespace bexalo::test {

class MonkeyReferee {
public:
    // `recording` is null when the test runs the real sound.
    explicit MonkeyReferee(RecordingSound *recording) : m_recording(recording) {}

    void newProgram(const QString &programFolder)
    {
        m_programFolder = programFolder;
        m_tracked.clear();
        m_lastTotal = 0.0f;
    }

    void before(const QList<ExerciseWindow *> &windows)
    {
        m_before.clear();
        for (ExerciseWindow *w : windows) {
            m_before << Snapshot{w, w->esercizio(), ExerciseRig::helpFrame(w)->isShown()};
        }
        m_soundsBefore = m_recording ? m_recording->played.size() : 0;
    }

    // Every rule broken by the event sent to `target` since before().
    QStringList after(FrmInizio &start, const QList<ExerciseWindow *> &windows, const Form *target,
                      const Modulo1 &modulo)
    {
        m_tracked.removeIf([](const Tracked &t) { return t.window.isNull(); });
        QStringList broken;
        for (int n = 1; n <= 3; ++n) {
            const Frame *f = start.get<Frame>(qPrintable(QStringLiteral("Frame%1").arg(n)));
            if (f->isEnabled() != f->hasBorder()) {
                broken << QStringLiteral("Frame%1 half active").arg(n);
            }
        }
        if (!start.get<OptionButton>("Option3", 2)->isEnabled()) {
            broken << QStringLiteral("Esci disabled");
        }
        m_mostOpen = std::max(m_mostOpen, int(windows.size()));
        m_bothOpen += windows.size() == 2 ? 1 : 0;
        if (windows.size() > 2 || (windows.size() == 2 && windows[0]->metaObject() == windows[1]->metaObject())) {
            broken << QStringLiteral("an exercise window is open twice");
        }
        const float total = modulo.tempoTotale.value_or(0.0f);
        if (total < m_lastTotal) {
            broken << QStringLiteral("total time went down from %1 to %2").arg(m_lastTotal).arg(total);
        }
        m_lastTotal = total;

        int rightVerdicts = 0;
        for (ExerciseWindow *w : windows) {
            Tracked &t = tracked(w);
            const Snapshot *was = nullptr;
            for (const Snapshot &s : m_before) {
                if (s.window == w) {
                    was = &s;
                }
            }
            const Esercizio &e = w->esercizio();
            if (was) {
                if (w != target && !sameExercise(was->esercizio, e)) {
                    broken << QStringLiteral("%1 changed by an event on another window: was %2, now %3")
                                  .arg(w->objectName(), describeExercise(was->esercizio), describeExercise(e));
                }
                rightVerdicts += checkVerdict(w, was->esercizio, &broken);
                // The right answer that "Si" or the third "No" put up (the latter once its
                // message is closed) stays until the next exercise or the next "No" clears the
                // pupil's area.
                const bool helpNow = ExerciseRig::helpFrame(w)->isShown();
                if (e.numOperazione != was->esercizio.numOperazione) {
                    t.helpAnswerOnView = false;
                } else if ((was->helpShown || t.messageUp) && !helpNow) {
                    t.helpAnswerOnView = ExerciseRig::shown(w, "CmdOperazione");
                }
            }
            t.messageUp = messageUpOver(w);
            broken << brokenRules(w, t.helpAnswerOnView);
        }
        if (m_recording) {
            const qsizetype sounds = m_recording->played.size() - m_soundsBefore;
            if (sounds != rightVerdicts) {
                broken << QStringLiteral("%1 sounds for %2 right answers").arg(sounds).arg(rightVerdicts);
            }
            for (qsizetype i = m_soundsBefore; i < m_recording->played.size(); ++i) {
                if (m_recording->played[i] != m_programFolder + QStringLiteral("/positivo.wav")) {
                    broken << QStringLiteral("sound played from %1").arg(m_recording->played[i]);
                }
            }
        }
        return broken;
    }

    int verdicts() const { return m_verdicts; }
    int mostWindowsOpen() const { return m_mostOpen; }
    // Events after which both exercise windows were open.
    int bothOpen() const { return m_bothOpen; }

private:
    struct Snapshot {
        QPointer<ExerciseWindow> window;
        Esercizio esercizio;
        bool helpShown = false;
    };
    struct Tracked {
        QPointer<ExerciseWindow> window;
        bool helpAnswerOnView = false;
        bool messageUp = false; // the message of the third "No", over this window
    };

    Tracked &tracked(ExerciseWindow *w)
    {
        for (Tracked &t : m_tracked) {
            if (t.window == w) {
                return t;
            }
        }
        m_tracked.append({w, false});
        return m_tracked.last();
    }

    // A verification compares the counts and the target as they were when it was pressed.
    int checkVerdict(ExerciseWindow *w, const Esercizio &was, QStringList *broken)
    {
        const Esercizio &e = w->esercizio();
        if (e.risEsatte == was.risEsatte && e.risErrate == was.risErrate) {
            return 0;
        }
        ++m_verdicts;
        const bool right = answerMatchesTarget(was);
        const QString esito = ExerciseRig::caption(w, "LblEsito");
        const bool counted = right ? e.risEsatte == was.risEsatte + 1 && e.risErrate == was.risErrate
                                   : e.risErrate == was.risErrate + 1 && e.risEsatte == was.risEsatte;
        if (!counted || esito != QLatin1String(right ? "Esatto" : "Errato")) {
            *broken << QStringLiteral("%1 said '%2' for %3").arg(w->objectName(), esito, describeExercise(was));
        }
        const QString label = ExerciseRig::caption(w, right ? "lblRisEsatte" : "lblRisErrate");
        if (label != QString::number(right ? e.risEsatte : e.risErrate)) {
            *broken << QStringLiteral("%1 statistics label shows '%2'").arg(w->objectName(), label);
        }
        return right ? 1 : 0;
    }

    RecordingSound *m_recording;
    QString m_programFolder;
    QList<Snapshot> m_before;
    qsizetype m_soundsBefore = 0;
    QList<Tracked> m_tracked;
    float m_lastTotal = 0.0f;
    int m_verdicts = 0;
    int m_mostOpen = 0;
    int m_bothOpen = 0;
};

} // namespace bexalo::test
