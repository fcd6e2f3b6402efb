// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What a screen reader finds in the three windows, read through QAccessible as an assistive
// technology reads it: the name and role of every button, the counts the abacus and the picture
// columns show, and the verdict, counts and times with what they mean.
#include "ExerciseRig.h"

#include "controls/Forms.h"
#include "controls/OptionButton.h"
#include "exercise/CountDescriptions.h"
#include "start/FrmInizio.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QtTest>

using namespace bexalo;
using namespace bexalo::test;
using R = ExerciseRig;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return iface;
}

QString said(QObject *object, QAccessible::Text what = QAccessible::Name) { return accessible(object)->text(what); }

QString said(ExerciseWindow *w, const char *control, QAccessible::Text what = QAccessible::Name)
{
    return said(R::control(w, control)->widget(), what);
}

// A window of any kind, as the test names it.
Form *openWindow(ExerciseRig &rig, const QString &window)
{
    if (window == QLatin1String("FrmInizio")) {
        auto *start = new FrmInizio(rig.modulo);
        start->load();
        start->showModeless();
        return start;
    }
    return rig.open(window, 2);
}

// The screen reader's view of the abacus and the columns, hundreds, tens, units.
struct Described {
    QString abaco;
    QStringList colonne;
};

Described described(ExerciseWindow *w)
{
    Described d{said(w, "Frame3", QAccessible::Description), {}};
    for (Posto p : kAllPlaces) {
        d.colonne.append(said(w, names(p).column, QAccessible::Description));
    }
    return d;
}

// What the abacus and the columns must say when the abacus shows h, da, u beads and the
// columns hold the given numbers of pictures.
Described expected(const QList<int> &beads, const QList<int> &pictures)
{
    Described d{descrizioneAbaco(beads[0], beads[1], beads[2]), {}};
    for (Posto p : kAllPlaces) {
        d.colonne.append(descrizioneColonna(p, pictures[int(p)]));
    }
    return d;
}

bool operator==(const Described &a, const Described &b) { return a.abaco == b.abaco && a.colonne == b.colonne; }

char *toString(const Described &d)
{
    return QTest::toString(d.abaco + QStringLiteral(" | ") + d.colonne.join(QStringLiteral(" | ")));
}

QList<int> digits(ExerciseWindow *w)
{
    const Esercizio &e = w->esercizio();
    return {e.cifraH, e.cifraDa, e.cifraU};
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void eachButtonSaysWhatItDoesWithItsRole_data();
    void eachButtonSaysWhatItDoesWithItsRole();
    void noButtonOfAnyWindowIsLeftWithoutAName_data();
    void noButtonOfAnyWindowIsLeftWithoutAName();
    void captionsStayAsTheyAre();
    void pressingAnOptionFromTheScreenReaderChoosesItLikeTheMouse();

    void countsAreSaidInItalian_data();
    void countsAreSaidInItalian();
    void theAbacusAndTheColumnsDescribeWhatTheyShow_data();
    void theAbacusAndTheColumnsDescribeWhatTheyShow();

    void verdictCountsAndTimesAreReadWithWhatTheyMean_data();
    void verdictCountsAndTimesAreReadWithWhatTheyMean();
};

void tst_Accessibility::cleanup()
{
    const QList<Form *> loaded = Forms::instance().loaded();
    for (Form *form : loaded) {
        form->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Accessibility::eachButtonSaysWhatItDoesWithItsRole_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");

    const int radio = QAccessible::RadioButton;
    const int push = QAccessible::Button;
    const QString start = QStringLiteral("FrmInizio");
    QTest::newRow("picture to abacus") << start << "Option1_0"
                                       << "Dal grafico all'abaco: scegli la direzione" << radio;
    QTest::newRow("abacus to picture") << start << "Option1_1"
                                       << "Dall'abaco al grafico: scegli la direzione" << radio;
    QTest::newRow("two places") << start << "Option2_0"
                                << "Decine e unità: scegli il livello" << radio;
    QTest::newRow("three places") << start << "Option2_1"
                                  << "Centinaia, decine e unità: scegli il livello" << radio;
    QTest::newRow("Vai") << start << "Option3_0"
                         << "Vai: apri gli esercizi" << radio;
    QTest::newRow("Reimposta") << start << "Option3_1"
                               << "Reimposta: ricomincia la scelta" << radio;
    QTest::newRow("Esci") << start << "Option3_2"
                          << "Esci: chiudi il programma" << radio;

    for (const char *window : {kFrm1, kFrm2}) {
        const QString w = QString::fromLatin1(window);
        const auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s %s", window, what); };
        row("units +") << w << "CmdContaUp"
                       << "Aggiungi un'unità" << push;
        row("units -") << w << "CmdContaUm"
                       << "Togli un'unità" << push;
        row("tens +") << w << "CmdContaDap"
                      << "Aggiungi una decina" << push;
        row("tens -") << w << "CmdContaDam"
                      << "Togli una decina" << push;
        row("hundreds +") << w << "CmdContaHp"
                          << "Aggiungi un centinaio" << push;
        row("hundreds -") << w << "CmdContaHm"
                          << "Togli un centinaio" << push;
        row("verify") << w << "CmdVerifica"
                      << "Verifica la risposta" << push;
        row("next") << w << "CmdOperazione"
                    << "Esercizio successivo" << push;
        row("Si") << w << "Cmdsi"
                  << "Sì, mostrami la risposta giusta" << push;
        row("No") << w << "Cmdno"
                  << "No, riprovo" << push;
    }
}

void tst_Accessibility::eachButtonSaysWhatItDoesWithItsRole()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(int, role);

    ExerciseRig rig;
    Form *form = openWindow(rig, window);
    auto *widget = form->findChild<QAbstractButton *>(button);
    QVERIFY(widget);
    QCOMPARE(said(widget), name);
    QCOMPARE(int(accessible(widget)->role()), role);
}

void tst_Accessibility::noButtonOfAnyWindowIsLeftWithoutAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("FrmInizio") << QStringLiteral("FrmInizio");
    QTest::newRow(kFrm1) << QString::fromLatin1(kFrm1);
    QTest::newRow(kFrm2) << QString::fromLatin1(kFrm2);
}

// Every button the pupil could ever reach, hidden or not right now: a name that is more than
// its caption ("+" says nothing), a description where it has one, and its role.
void tst_Accessibility::noButtonOfAnyWindowIsLeftWithoutAName()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    Form *form = openWindow(rig, window);
    const QList<QAbstractButton *> buttons = form->findChildren<QAbstractButton *>();
    QVERIFY(buttons.size() >= 7);
    for (QAbstractButton *b : buttons) {
        const QByteArray where = b->objectName().toUtf8();
        const QString name = said(b);
        QVERIFY2(!name.isEmpty() && name != b->text(), where + " says " + name.toUtf8());
        const bool isOption = qobject_cast<OptionButton *>(b) != nullptr;
        QVERIFY2(accessible(b)->role() == (isOption ? QAccessible::RadioButton : QAccessible::Button), where);
        QVERIFY2(accessible(b)->state().focusable, where);
    }
}

void tst_Accessibility::captionsStayAsTheyAre()
{
    ExerciseRig rig;
    ExerciseWindow *w1 = rig.open(kFrm1, 2);
    ExerciseWindow *w2 = rig.open(kFrm2, 2);
    QCOMPARE(R::caption(w1, "CmdVerifica"), QStringLiteral("V E R I F I CA"));
    QCOMPARE(R::caption(w2, "CmdVerifica"), QStringLiteral("VERIFICA"));
    QCOMPARE(R::caption(w1, "CmdOperazione"), QStringLiteral("A V A N T I"));
    QCOMPARE(R::caption(w2, "Cmdsi"), QStringLiteral("Si"));
    QCOMPARE(R::caption(w1, "CmdContaDap"), QStringLiteral("+"));
    QCOMPARE(R::caption(w2, "CmdContaHm"), QStringLiteral("-"));
    // Labels without a name of their own are read as they are written.
    QCOMPARE(said(w1, "LblAiuto"), QStringLiteral("Ti aiuto ?"));
    QCOMPARE(said(R::control(w2, "Label5", 3)->widget()), QStringLiteral("Tempo parziale"));
}

void tst_Accessibility::pressingAnOptionFromTheScreenReaderChoosesItLikeTheMouse()
{
    ExerciseRig rig;
    Form *start = openWindow(rig, QStringLiteral("FrmInizio"));
    auto *direction = start->findChild<OptionButton *>(QStringLiteral("Option1_0"));
    QVERIFY(accessible(direction)->actionInterface());
    QVERIFY(
        accessible(direction)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    accessible(direction)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(rig.modulo.percorso, QStringLiteral("1"));
    QVERIFY(!start->get<Frame>("Frame1")->isEnabled());
    QVERIFY(start->get<Frame>("Frame2")->isEnabled());
    QVERIFY(!direction->isChecked()); // released as after a click

    // The step is over: its options are disabled and a press on them does nothing.
    auto *other = start->findChild<OptionButton *>(QStringLiteral("Option1_1"));
    accessible(other)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(rig.modulo.percorso, QStringLiteral("1"));
}

void tst_Accessibility::countsAreSaidInItalian_data()
{
    QTest::addColumn<QList<int>>("hdu");
    QTest::addColumn<QString>("abaco");
    QTest::addColumn<QStringList>("colonne");
    QTest::newRow("several") << QList<int>{3, 4, 2} << "Abaco: 3 centinaia, 4 decine, 2 unità"
                             << QStringList{"Centinaia: 3", "Decine: 4", "Unità: 2"};
    QTest::newRow("one each") << QList<int>{1, 1, 1} << "Abaco: 1 centinaio, 1 decina, 1 unità"
                              << QStringList{"Centinaia: 1", "Decine: 1", "Unità: 1"};
    QTest::newRow("none and a full rod") << QList<int>{0, 10, 0} << "Abaco: 0 centinaia, 10 decine, 0 unità"
                                         << QStringList{"Centinaia: 0", "Decine: 10", "Unità: 0"};
}

void tst_Accessibility::countsAreSaidInItalian()
{
    QFETCH(QList<int>, hdu);
    QFETCH(QString, abaco);
    QFETCH(QStringList, colonne);
    QCOMPARE(descrizioneAbaco(hdu[0], hdu[1], hdu[2]), abaco);
    for (Posto p : kAllPlaces) {
        QCOMPARE(descrizioneColonna(p, hdu[int(p)]), colonne[int(p)]);
    }
}

void tst_Accessibility::theAbacusAndTheColumnsDescribeWhatTheyShow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("picture to abacus") << QString::fromLatin1(kFrm1);
    QTest::newRow("abacus to picture") << QString::fromLatin1(kFrm2);
}

// The pupil's answer grows and shrinks on the abacus (frmOperativo1) or in the columns
// (FrmOperativo2); the target stands in the other; "Si" puts the right answer on view.
void tst_Accessibility::theAbacusAndTheColumnsDescribeWhatTheyShow()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    const bool answerOnAbacus = window == QLatin1String(kFrm1);
    const auto shows = [&](const QList<int> &answer) {
        return answerOnAbacus ? expected(answer, digits(w)) : expected(digits(w), answer);
    };

    QCOMPARE(described(w), shows({0, 0, 0}));
    QVERIFY(R::press(w, "CmdContaHp"));
    QVERIFY(R::press(w, "CmdContaDap", 2));
    QVERIFY(R::press(w, "CmdContaUp", 3));
    QCOMPARE(described(w), shows({1, 2, 3}));
    QVERIFY(R::press(w, "CmdContaUm"));
    QVERIFY(R::press(w, "CmdContaHm"));
    QCOMPARE(described(w), shows({0, 2, 2}));

    QVERIFY(R::press(w, "CmdVerifica"));
    if (R::caption(w, "LblEsito") == QLatin1String("Errato")) {
        QVERIFY(R::press(w, "Cmdsi"));
        QCOMPARE(described(w), shows(digits(w)));
    }

    // The next exercise: a new target, an empty answer.
    QVERIFY(R::press(w, "CmdOperazione"));
    QCOMPARE(described(w), shows({0, 0, 0}));
}

void tst_Accessibility::verdictCountsAndTimesAreReadWithWhatTheyMean_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("picture to abacus") << QString::fromLatin1(kFrm1);
    QTest::newRow("abacus to picture") << QString::fromLatin1(kFrm2);
}

void tst_Accessibility::verdictCountsAndTimesAreReadWithWhatTheyMean()
{
    QFETCH(QString, window);
    ExerciseRig rig;
    ExerciseWindow *w = rig.open(window, 2);
    for (const char *label :
         {"LblEsito", "LblOperazione", "lblRisEsatte", "lblRisErrate", "LblTempoParziale", "LblTempoTotale"}) {
        QVERIFY2(accessible(R::control(w, label)->widget())->role() == QAccessible::StaticText, label);
    }
    QCOMPARE(said(w, "LblOperazione"), QStringLiteral("Esercizio numero: 1"));
    QCOMPARE(said(w, "lblRisEsatte"), QStringLiteral("Risposte esatte"));
    QCOMPARE(said(w, "LblEsito"), QStringLiteral("Esito"));

    rig.clock.now += 7.5f;
    QVERIFY(R::answerRight(w));
    QVERIFY(R::press(w, "CmdVerifica"));
    QCOMPARE(said(w, "LblEsito"), QStringLiteral("Esito: Esatto"));
    QCOMPARE(said(w, "lblRisEsatte"), QStringLiteral("Risposte esatte: 1"));
    QCOMPARE(said(w, "LblTempoParziale"), QStringLiteral("Tempo parziale in secondi: 7"));
    QCOMPARE(said(w, "LblTempoTotale"), QStringLiteral("Tempo totale in secondi: 7"));
    // The hint the mouse shows is the description.
    QCOMPARE(said(w, "LblTempoParziale", QAccessible::Description),
             QStringLiteral("Secondi impiegati per ogni risposta"));

    QVERIFY(R::press(w, "CmdOperazione"));
    QCOMPARE(said(w, "LblOperazione"), QStringLiteral("Esercizio numero: 2"));
    QCOMPARE(said(w, "LblEsito"), QStringLiteral("Esito"));
    rig.clock.now += 3.0f;
    const Esercizio &e = w->esercizio();
    QVERIFY(R::answer(w, e.cifraH, e.cifraDa, e.cifraU == 9 ? 8 : e.cifraU + 1));
    QVERIFY(R::press(w, "CmdVerifica"));
    QCOMPARE(said(w, "LblEsito"), QStringLiteral("Esito: Errato"));
    QCOMPARE(said(w, "lblRisErrate"), QStringLiteral("Risposte errate: 1"));
    QCOMPARE(said(w, "LblTempoTotale"), QStringLiteral("Tempo totale in secondi: 10"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
