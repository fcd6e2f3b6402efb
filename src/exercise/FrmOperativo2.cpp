// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/FrmOperativo2.h"

#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "exercise/FrmOperativo2Table.h"
#include "exercise/Sorteggio.h"

namespace bexalo {

FrmOperativo2::FrmOperativo2(Modulo1 &modulo) : ExerciseWindow(frmOperativo2Design(), modulo, 9, "frmAiuto") {}

int FrmOperativo2::cifraDaUnoANove() { return drawNine(*m_modulo.random) + 1; }

void FrmOperativo2::genera()
{
    mescolaColonne();
    svuotaRappresentazione();
    if (livelloEsercizio() == 1) {
        m_esercizio.cifraU = cifraDaUnoANove();
        m_esercizio.cifraDa = cifraDaUnoANove();
        m_esercizio.cifraH = 0;
        mostraPulsantiCentinaia(false);
    } else {
        m_esercizio.cifraU = cifraDaUnoANove();
        m_esercizio.cifraDa = cifraDaUnoANove();
        m_esercizio.cifraH = cifraDaUnoANove();
        mostraPulsantiCentinaia(true);
    }
    // Only the beads of the new number are shown: the caller has emptied the abacus.
    mostraPerlineDelleCifre();
    avviaCronometro();
}

Control *FrmOperativo2::elementoRisposta(Posto posto, int n) const { return casella(posto, n - 1); }

void FrmOperativo2::mostraRispostaGiusta()
{
    // The digits stay as they are; only their pictures are scattered anew.
    generaUnita();
    generaDecine();
    generaCentinaia();
}

void FrmOperativo2::rispostaEsatta()
{
    contaRispostaEsatta();
    caption("LblEsito", QStringLiteral("Esatto"));
    caption("lblRisEsatte", QString::number(m_esercizio.risEsatte));
    suonaSuccesso();
}

void FrmOperativo2::CmdOperazione_Click()
{
    // A new exercise is never set up under the help offer of the previous one.
    m_aiuto->setShown(false);
    m_esercizio.tentativi = 0;
    coloraPulsanti(kGiallo);
    abilitaPulsanti(true);
    // genera shuffles the columns again at once, so this order is never seen; the shuffle stays
    // because it takes its draws from the one random sequence, and the digits that follow
    // depend on them.
    mescolaColonne();
    svuotaRappresentazione();
    svuotaAbaco();
    nascondiCaselle();
    genera();
    avanzaNumero();
    m_cmdVerifica->setShown(false);
    m_cmdOperazione->setShown(false);
    azzeraConte();
    caption("LblEsito", QString());
}

} // namespace bexalo
