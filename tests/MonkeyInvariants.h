// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What must hold in an exercise window after any event whatever the pupil did: counts and digits
// in range, the window's state table, the pupil's answer on view matching the counts, and the
// target on view matching the digits. Used by the monkey test after every event it sends.
#pragma once

#include "ExerciseRig.h"

#include <QStringList>

namespace bexalo::test {

inline bool sameExercise(const Esercizio &a, const Esercizio &b)
{
    return a.cifraU == b.cifraU && a.cifraDa == b.cifraDa && a.cifraH == b.cifraH && a.contaU == b.contaU &&
           a.contaDa == b.contaDa && a.contaH == b.contaH && a.tentativi == b.tentativi && a.risEsatte == b.risEsatte &&
           a.risErrate == b.risErrate && a.numOperazione == b.numOperazione && a.tempoInizio == b.tempoInizio &&
           a.tempoRisposta == b.tempoRisposta && a.tempoParziale == b.tempoParziale &&
           a.testoParziale == b.testoParziale && a.testoTotale == b.testoTotale;
}

inline QString describeExercise(const Esercizio &e)
{
    return QStringLiteral("target h%1 da%2 u%3, counts h%4 da%5 u%6, tentativi %7, esatte %8, errate %9, n. %10")
        .arg(e.cifraH)
        .arg(e.cifraDa)
        .arg(e.cifraU)
        .arg(e.contaH)
        .arg(e.contaDa)
        .arg(e.contaU)
        .arg(e.tentativi)
        .arg(e.risEsatte)
        .arg(e.risErrate)
        .arg(e.numOperazione);
}

inline bool answerMatchesTarget(const Esercizio &e)
{
    return e.contaH == e.cifraH && e.contaDa == e.cifraDa && e.contaU == e.cifraU;
}

inline bool isAbacusAnswer(const ExerciseWindow *w) { return qobject_cast<const frmOperativo1 *>(w) != nullptr; }

// Nothing visible after the frame in its container's stacking order covers it.
inline bool inFront(QWidget *frame)
{
    QWidget *parent = frame->parentWidget();
    bool after = false;
    for (QObject *o : parent->children()) {
        auto *sibling = qobject_cast<QWidget *>(o);
        if (!sibling) {
            continue;
        }
        if (sibling == frame) {
            after = true;
        } else if (after && sibling->isVisibleTo(parent) && sibling->geometry().intersects(frame->geometry())) {
            return false;
        }
    }
    return true;
}

// Whether the message of the third "No" is up over this window.
inline bool messageUpOver(const QWidget *w)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->parentWidget() == w;
}

// Every broken rule of one window; `helpAnswerOnView` is true while the right answer that "Si"
// or the third "No" put up is still in the pupil's area.
inline QStringList brokenRules(ExerciseWindow *w, bool helpAnswerOnView)
{
    QStringList broken;
    const bool abacus = isAbacusAnswer(w);
    const int cap = abacus ? 10 : 9;
    const Esercizio &e = w->esercizio();
    auto require = [&broken](bool ok, const QString &what) {
        if (!ok) {
            broken << what;
        }
    };

    for (Posto p : kAllPlaces) {
        const QString place = QString::fromLatin1(names(p).beads);
        require(e.conta(p) >= 0 && e.conta(p) <= cap, QStringLiteral("count of %1 is %2").arg(place).arg(e.conta(p)));
        const int lowest = abacus || p == Posto::Centinaia ? 0 : 1;
        const int highest = abacus ? 8 : 9;
        require(e.cifra(p) >= lowest && e.cifra(p) <= highest,
                QStringLiteral("digit of %1 is %2").arg(place).arg(e.cifra(p)));
    }
    require(!abacus || e.cifraU != 0 || e.cifraDa != 0 || e.cifraH != 0, QStringLiteral("target is 0"));
    require(e.numOperazione >= 1, QStringLiteral("numOperazione %1").arg(e.numOperazione));
    require(e.risEsatte >= 0 && e.risErrate >= 0, QStringLiteral("negative statistics"));
    require(e.tentativi >= 0 && e.tentativi <= 2, QStringLiteral("tentativi %1").arg(e.tentativi));
    require(e.tempoParziale >= 0.0f, QStringLiteral("partial time %1").arg(e.tempoParziale));
    require(ExerciseRig::caption(w, "LblOperazione") == QString::number(e.numOperazione),
            QStringLiteral("LblOperazione shows '%1'").arg(ExerciseRig::caption(w, "LblOperazione")));

    // The hundreds pair comes and goes with the level of the exercise; at level 1 there are
    // no hundreds on either side.
    const bool hundreds = ExerciseRig::shown(w, "CmdContaHp");
    require(ExerciseRig::shown(w, "CmdContaHm") == hundreds, QStringLiteral("hundreds pair half shown"));
    require(hundreds || (e.cifraH == 0 && e.contaH == 0), QStringLiteral("hundreds hidden but not 0"));
    require(!hundreds || abacus || e.cifraH >= 1, QStringLiteral("three-place target without hundreds"));
    require(ExerciseRig::shown(w, "CmdContaUp") && ExerciseRig::shown(w, "CmdContaDap"),
            QStringLiteral("units or tens \"+\" hidden"));

    // The state table.
    const bool enabled = ExerciseRig::countersEnabled(w, true);
    const bool disabled = ExerciseRig::countersEnabled(w, false);
    require(enabled || disabled, QStringLiteral("counter buttons half enabled"));
    QWidget *help = ExerciseRig::helpFrame(w);
    const bool helpShown = ExerciseRig::helpFrame(w)->isShown();
    const bool verifica = ExerciseRig::shown(w, "CmdVerifica");
    const bool operazione = ExerciseRig::shown(w, "CmdOperazione");
    const QString esito = ExerciseRig::caption(w, "LblEsito");
    if (helpShown) {
        // Verified wrong.
        require(disabled && !verifica && operazione, QStringLiteral("help offer shown outside Verified wrong"));
        require(inFront(help), QStringLiteral("help offer not in front"));
        require(esito == QLatin1String("Errato"), QStringLiteral("help offer with verdict '%1'").arg(esito));
        require(!answerMatchesTarget(e), QStringLiteral("help offer after a right answer"));
        for (Posto p : kAllPlaces) {
            const Colour expected = e.conta(p) != e.cifra(p) ? kRosso : kGiallo;
            require(ExerciseRig::pairColour(w, p) == expected,
                    QStringLiteral("%1 pair has colour %2")
                        .arg(QString::fromLatin1(names(p).plus))
                        .arg(ExerciseRig::pairColour(w, p), 6, 16, QLatin1Char('0')));
        }
    } else {
        for (Posto p : kAllPlaces) {
            require(ExerciseRig::pairColour(w, p) == kGiallo,
                    QStringLiteral("%1 pair not yellow").arg(QString::fromLatin1(names(p).plus)));
        }
        if (messageUpOver(w) && esito == QLatin1String("Errato")) {
            // The message of the third "No" is up: the verdict stays until it is closed, and
            // the right answer waits for it.
            require(!operazione && !verifica && e.tutteLeConteAZero(),
                    QStringLiteral("the answer moved on while the message is up"));
        } else if (enabled) {
            // Building, or help given after the third "No".
            require(esito.isEmpty(), QStringLiteral("verdict '%1' while building").arg(esito));
            if (operazione) {
                require(!verifica && e.tutteLeConteAZero(), QStringLiteral("A V A N T I shown while answering"));
            } else {
                require(verifica == !e.tutteLeConteAZero(), QStringLiteral("CmdVerifica %1 with counts %2")
                                                                .arg(verifica ? "shown" : "hidden")
                                                                .arg(describeExercise(e)));
            }
        } else {
            // Verified right, or help given after "Si".
            require(!verifica && operazione, QStringLiteral("answer locked without A V A N T I"));
            require(esito.isEmpty() || (esito == QLatin1String("Esatto") && answerMatchesTarget(e)),
                    QStringLiteral("locked answer with verdict '%1'").arg(esito));
        }
    }
    if (abacus) {
        const bool corretto = ExerciseRig::shown(w, "Label8");
        require(corretto == (esito == QLatin1String("Esatto")), QStringLiteral("CORRETTO does not follow the verdict"));
        if (corretto) {
            require(ExerciseRig::caption(w, "Label7") == QString::number(e.contaU) &&
                        ExerciseRig::caption(w, "Label6") == QString::number(e.contaDa),
                    QStringLiteral("digits written out wrong"));
        }
    }

    // What the pupil sees: the target always, the answer while no help is on view.
    for (Posto p : kAllPlaces) {
        const QList<int> beads = ExerciseRig::beads(w, p);
        const QList<int> pictures = ExerciseRig::pictures(w, p);
        const QString place = QString::fromLatin1(names(p).beads);
        if (abacus) {
            require(pictures.size() == e.cifra(p), QStringLiteral("%1 target pictures for digit %2 of %3")
                                                       .arg(pictures.size())
                                                       .arg(e.cifra(p))
                                                       .arg(place));
            require(helpAnswerOnView || beads == ExerciseRig::firstN(1, e.conta(p)),
                    QStringLiteral("%1 beads %2 for count %3").arg(place).arg(beads.size()).arg(e.conta(p)));
        } else {
            require(beads == ExerciseRig::firstN(1, e.cifra(p)),
                    QStringLiteral("%1 target beads %2 for digit %3").arg(place).arg(beads.size()).arg(e.cifra(p)));
            require(helpAnswerOnView || pictures == ExerciseRig::firstN(0, e.conta(p)),
                    QStringLiteral("%1 pictures %2 for count %3").arg(place).arg(pictures.size()).arg(e.conta(p)));
        }
    }
    for (QString &b : broken) {
        b.prepend(w->objectName() + QStringLiteral(": "));
    }
    return broken;
}

} // namespace bexalo::test
