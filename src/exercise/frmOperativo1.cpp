// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/frmOperativo1.h"

#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "exercise/Sorteggio.h"
#include "exercise/frmOperativo1Table.h"
#include "platform/Clock.h"
#include "platform/Random.h"

namespace bexalo {

frmOperativo1::frmOperativo1(Modulo1 &modulo) : ExerciseWindow(frmOperativo1Design(), modulo, 10, "fraAiuto") {}

void frmOperativo1::genera()
{
    mescolaColonne();
    m_modulo.random->reseed(m_modulo.clock->secondsSinceMidnight());
    nascondiCaselle();
    // A target of 0 would show nothing and could never be answered (the verify button stays
    // hidden while every count is 0): scatter again until some digit is above 0.
    if (livelloEsercizio() == 1) {
        do {
            generaUnita();
            generaDecine();
        } while (m_esercizio.cifraU == 0 && m_esercizio.cifraDa == 0);
        m_esercizio.cifraH = 0;
        mostraPulsantiCentinaia(false);
    } else {
        do {
            generaUnita();
            generaDecine();
            generaCentinaia();
        } while (m_esercizio.cifraU == 0 && m_esercizio.cifraDa == 0 && m_esercizio.cifraH == 0);
        mostraPulsantiCentinaia(true);
    }
    svuotaAbaco();
    avviaCronometro();
}

void frmOperativo1::generaPosto(Posto posto)
{
    const int cifra = drawNine(*m_modulo.random);
    m_esercizio.cifra(posto) = cifra;
    scopriCaselle(posto, cifra);
}

Control *frmOperativo1::elementoRisposta(Posto posto, int n) const { return perlina(posto, n); }

void frmOperativo1::mostraRispostaGiusta() { mostraPerlineDelleCifre(); }

void frmOperativo1::rispostaEsatta()
{
    contaRispostaEsatta();
    caption("LblEsito", QStringLiteral("Esatto"));
    suonaSuccesso();
    caption("lblRisEsatte", QString::number(m_esercizio.risEsatte));
    caption("Label7", QString::number(m_esercizio.contaU));
    caption("Label6", QString::number(m_esercizio.contaDa));
    if (livelloEsercizio() == 2) {
        caption("Label4", QString::number(m_esercizio.contaH));
    }
    control(QStringLiteral("Label8"))->setShown(true);
}

void frmOperativo1::CmdOperazione_Click()
{
    // A new exercise is never set up under the help offer of the previous one.
    m_aiuto->setShown(false);
    caption("Label4", QString());
    caption("Label6", QString());
    caption("Label7", QString());
    control(QStringLiteral("Label8"))->setShown(false);
    m_esercizio.tentativi = 0;
    coloraPulsanti(kGiallo);
    abilitaPulsanti(true);
    avanzaNumero();
    m_cmdVerifica->setShown(false);
    m_cmdOperazione->setShown(false);
    azzeraConte();
    caption("LblEsito", QString());
    genera();
}

} // namespace bexalo
