// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/ExerciseWindow.h"

#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "exercise/CountDescriptions.h"
#include "exercise/OrdineColonne.h"
#include "exercise/Sorteggio.h"
#include "exercise/Tempi.h"
#include "exercise/Verdetto.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <QPointer>
#include <algorithm>

namespace bexalo {

namespace {

constexpr std::array<Posto, 3> kPosti{Posto::Centinaia, Posto::Decine, Posto::Unita};

size_t at(Posto posto) { return static_cast<size_t>(posto); }

struct NomiPosto {
    const char *piu;
    const char *meno;
    const char *colonna;
    const char *perline;
    const char *caselle;
};

// Indexed by Posto: hundreds, tens, units.
constexpr std::array<NomiPosto, 3> kNomi{{
    {"CmdContaHp", "CmdContaHm", "Frame6", "Picture21", "ImageH"},
    {"CmdContaDap", "CmdContaDam", "Frame5", "Picture11", "ImageDA"},
    {"CmdContaUp", "CmdContaUm", "Frame4", "Picture1", "ImageU"},
}};

constexpr float kTopColonne = 960.0f;

} // namespace

ExerciseWindow::ExerciseWindow(const FormDesign &design, Modulo1 &modulo, int cap, const char *helpFrame)
    : Form(design), m_modulo(modulo), m_cap(cap), m_cmdVerifica(get<CommandButton>("CmdVerifica")),
      m_cmdOperazione(get<CommandButton>("CmdOperazione")), m_cmdSi(get<CommandButton>("Cmdsi")),
      m_cmdNo(get<CommandButton>("Cmdno")), m_aiuto(get<Frame>(helpFrame))
{
    for (Posto posto : kPosti) {
        const NomiPosto &nomi = kNomi[at(posto)];
        m_piu[at(posto)] = get<CommandButton>(nomi.piu);
        m_meno[at(posto)] = get<CommandButton>(nomi.meno);
        m_colonne[at(posto)] = get<Control>(nomi.colonna);
        for (int i = 1; i <= 10; ++i) {
            m_perline[at(posto)][static_cast<size_t>(i)] = get<Control>(nomi.perline, i);
        }
        for (int i = 0; i <= 8; ++i) {
            m_caselle[at(posto)][static_cast<size_t>(i)] = get<Control>(nomi.caselle, i);
        }
    }
    for (int i = 0; i < 7; ++i) {
        m_marker[static_cast<size_t>(i)] = get<Control>("lblH", i);
    }

    connect(m_piu[at(Posto::Unita)], &CommandButton::Click, this, &ExerciseWindow::CmdContaUp_Click);
    connect(m_meno[at(Posto::Unita)], &CommandButton::Click, this, &ExerciseWindow::CmdContaUm_Click);
    connect(m_piu[at(Posto::Decine)], &CommandButton::Click, this, &ExerciseWindow::CmdContaDap_Click);
    connect(m_meno[at(Posto::Decine)], &CommandButton::Click, this, &ExerciseWindow::CmdContaDam_Click);
    connect(m_piu[at(Posto::Centinaia)], &CommandButton::Click, this, &ExerciseWindow::CmdContaHp_Click);
    connect(m_meno[at(Posto::Centinaia)], &CommandButton::Click, this, &ExerciseWindow::CmdContaHm_Click);
    connect(m_cmdVerifica, &CommandButton::Click, this, &ExerciseWindow::CmdVerifica_Click);
    connect(m_cmdSi, &CommandButton::Click, this, &ExerciseWindow::Cmdsi_Click);
    connect(m_cmdNo, &CommandButton::Click, this, &ExerciseWindow::Cmdno_Click);
    connect(m_cmdOperazione, &CommandButton::Click, this, &ExerciseWindow::CmdOperazione_Click);
    // Esc answers "No" while the help offer is up (the form ignores it while Cmdno is hidden).
    setCancelButton(m_cmdNo);
    new CountDescriptions(*this);
}

int ExerciseWindow::livelloEsercizio() const { return m_modulo.livello == 2 ? 2 : 1; }

void ExerciseWindow::Form_Load()
{
    m_geometrie = Resize::capture(*this);

    // The exercise belongs to this window and starts afresh with it: counts, digits,
    // attempts and statistics at 0. The total time is the run's and goes on.
    m_esercizio = Esercizio{};
    m_esercizio.numOperazione = 1;
    caption("LblOperazione", QString::number(m_esercizio.numOperazione));
    m_cmdVerifica->setShown(false);
    for (Posto posto : kPosti) {
        m_piu[at(posto)]->setShown(true);
    }
    m_cmdOperazione->setShown(false);
    caption("Label9", livelloEsercizio() == 1 ? QStringLiteral("   decine unità: da  u")
                                              : QStringLiteral("   centinaia decine unità: h da  u"));
    genera();
}

void ExerciseWindow::Form_Resize() { Resize::apply(*this, m_geometrie); }

void ExerciseWindow::piu(Posto posto)
{
    m_cmdVerifica->setShown(true);
    m_cmdOperazione->setShown(false);
    int &c = m_esercizio.conta(posto);
    c = std::min(c + 1, m_cap);
    if (Control *e = elementoRisposta(posto, c)) {
        e->setShown(true);
    }
}

void ExerciseWindow::meno(Posto posto)
{
    m_cmdVerifica->setShown(true);
    m_cmdOperazione->setShown(false);
    int &c = m_esercizio.conta(posto);
    if (c > 0) {
        if (Control *e = elementoRisposta(posto, c)) {
            e->setShown(false);
        }
        c = c - 1;
    }
    if (m_esercizio.tutteLeConteAZero()) {
        m_cmdVerifica->setShown(false);
    }
}

void ExerciseWindow::CmdVerifica_Click()
{
    abilitaPulsanti(false);
    m_cmdVerifica->setShown(false);
    m_cmdOperazione->setShown(true);
    m_cmdOperazione->setFocus();
    const Verdetto esito = verdetto(m_esercizio);
    if (!esito.esatto()) {
        caption("LblEsito", QStringLiteral("Errato"));
        m_esercizio.risErrate = piuUnoFinoAlMassimo(m_esercizio.risErrate);
        caption("lblRisErrate", QString::number(m_esercizio.risErrate));
        for (Posto posto : kPosti) {
            if (esito.errato(posto)) {
                m_piu[at(posto)]->setBackColor(kRosso);
                m_meno[at(posto)]->setBackColor(kRosso);
            }
        }
        mostraAiuto();
    } else {
        rispostaEsatta();
    }
    misuraTempo();
}

void ExerciseWindow::misuraTempo()
{
    Esercizio &e = m_esercizio;
    e.tempoRisposta = m_modulo.clock->secondsSinceMidnight();
    e.tempoParziale = secondiTrascorsi(e.tempoInizio, e.tempoRisposta);
    e.testoParziale = testoTempo(e.tempoParziale);
    m_modulo.tempoTotale = m_modulo.tempoTotale.value_or(0.0f) + e.tempoParziale;
    e.testoTotale = testoTempo(*m_modulo.tempoTotale);
    caption("LblTempoParziale", testoEtichetta(e.tempoParziale, e.testoParziale, kMassimoParziale));
    caption("LblTempoTotale", testoEtichetta(*m_modulo.tempoTotale, e.testoTotale, kMassimoTotale));
}

void ExerciseWindow::mostraAiuto()
{
    m_aiuto->setShown(true);
    m_aiuto->bringToFront();
}

void ExerciseWindow::Cmdsi_Click()
{
    svuotaRisposta();
    coloraPulsanti(kGiallo);
    mostraRispostaGiusta();
    m_cmdOperazione->setShown(true);
    caption("LblEsito", QString());
    m_aiuto->setShown(false);
}

void ExerciseWindow::Cmdno_Click()
{
    m_aiuto->setShown(false);
    m_cmdOperazione->setShown(false);
    svuotaRisposta();
    azzeraConte();
    coloraPulsanti(kGiallo);
    abilitaPulsanti(true);
    m_esercizio.tentativi += 1;
    if (m_esercizio.tentativi == 3) {
        m_esercizio.tentativi = 0;
        const QString testoAvviso =
            QStringLiteral("Hai già fatto 3 tentativi. ") + QLatin1Char('\r') + QStringLiteral("Ora intervengo io. ");
        const QString titoloAvviso = QStringLiteral("Attenzione");
        // The rest follows the box's closing; the window may have been closed meanwhile.
        const QPointer<ExerciseWindow> self(this);
        showInformation(this, testoAvviso, titoloAvviso, [self] {
            if (!self || !self->isLoaded()) {
                return;
            }
            self->m_cmdOperazione->setShown(true);
            self->mostraRispostaGiusta();
            self->caption("LblEsito", QString());
        });
        return;
    }
    caption("LblEsito", QString());
}

void ExerciseWindow::mescolaColonne()
{
    // Scaled like everything else, so that a larger window does not pull the columns up over
    // the level line; exactly 960 at the design size.
    const float top = scaleHeight() > 0 && designHeight() > 0
                          ? kTopColonne * float(scaleHeight()) / float(designHeight())
                          : kTopColonne;
    for (Posto posto : kPosti) {
        Control *c = m_colonne[at(posto)];
        c->move(float(c->left()), top, float(c->width()), float(c->height()));
    }
    for (const PostoColonna &p : ordineColonne(drawColumnOrder(*m_modulo.random))) {
        Control *c = m_colonne[at(p.colonna)];
        c->move(float(m_marker[static_cast<size_t>(p.marker)]->left()), float(c->top()), float(c->width()),
                float(c->height()));
    }
}

void ExerciseWindow::svuotaAbaco()
{
    for (int i = 1; i <= m_cap; ++i) {
        for (Posto posto : {Posto::Unita, Posto::Decine, Posto::Centinaia}) {
            perlina(posto, i)->setShown(false);
        }
    }
}

Control *ExerciseWindow::perlina(Posto posto, int indice) const
{
    return indice >= 1 && indice <= 10 ? m_perline[at(posto)][static_cast<size_t>(indice)] : nullptr;
}

Control *ExerciseWindow::casella(Posto posto, int indice) const
{
    return indice >= 0 && indice <= 8 ? m_caselle[at(posto)][static_cast<size_t>(indice)] : nullptr;
}

void ExerciseWindow::nascondiCaselle()
{
    for (int i = 0; i <= 8; ++i) {
        for (Posto posto : kPosti) {
            casella(posto, i)->setShown(false);
        }
    }
}

void ExerciseWindow::scopriCaselle(Posto posto, int quante)
{
    for (int slot : drawSlots(*m_modulo.random, quante)) {
        casella(posto, slot)->setShown(true);
    }
}

void ExerciseWindow::mostraPerlineDelleCifre()
{
    for (Posto posto : {Posto::Unita, Posto::Decine, Posto::Centinaia}) {
        for (int i = 1; i <= m_esercizio.cifra(posto); ++i) {
            perlina(posto, i)->setShown(true);
        }
    }
}

void ExerciseWindow::mostraPulsantiCentinaia(bool shown)
{
    m_piu[at(Posto::Centinaia)]->setShown(shown);
    m_meno[at(Posto::Centinaia)]->setShown(shown);
}

void ExerciseWindow::coloraPulsanti(Colour colour)
{
    for (Posto posto : kPosti) {
        m_piu[at(posto)]->setBackColor(colour);
        m_meno[at(posto)]->setBackColor(colour);
    }
}

void ExerciseWindow::abilitaPulsanti(bool enabled)
{
    for (Posto posto : kPosti) {
        m_piu[at(posto)]->setEnabled(enabled);
        m_meno[at(posto)]->setEnabled(enabled);
    }
}

void ExerciseWindow::azzeraConte()
{
    m_esercizio.contaH = 0;
    m_esercizio.contaDa = 0;
    m_esercizio.contaU = 0;
}

void ExerciseWindow::avanzaNumero()
{
    m_esercizio.numOperazione = piuUnoFinoAlMassimo(m_esercizio.numOperazione);
    caption("LblOperazione", QString::number(m_esercizio.numOperazione));
}

void ExerciseWindow::contaRispostaEsatta() { m_esercizio.risEsatte = piuUnoFinoAlMassimo(m_esercizio.risEsatte); }

void ExerciseWindow::suonaSuccesso()
{
    if (m_modulo.sound) {
        m_modulo.sound->play(m_modulo.programFolder + QStringLiteral("/positivo.wav"));
    }
}

void ExerciseWindow::caption(const char *label, const QString &text) { get<Control>(label)->setCaption(text); }

void ExerciseWindow::avviaCronometro() { m_esercizio.tempoInizio = m_modulo.clock->secondsSinceMidnight(); }

} // namespace bexalo
