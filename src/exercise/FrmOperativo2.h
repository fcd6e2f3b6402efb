// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The abacus-to-picture window: the program shows the number as beads on the abacus, the
// pupil builds it as pictures filling each column from the top (up to nine a column); the
// help scatters the right pictures.
#pragma once

#include "exercise/ExerciseWindow.h"

namespace bexalo {

class FrmOperativo2 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FrmOperativo2(Modulo1 &modulo);

    void genera() override;

protected:
    void CmdOperazione_Click() override;
    Control *elementoRisposta(Posto posto, int n) const override;
    void svuotaRisposta() override { svuotaRappresentazione(); }
    void mostraRispostaGiusta() override;
    void rispostaEsatta() override;

private:
    void generaUnita() { scopriCaselle(Posto::Unita, m_esercizio.cifraU); }
    void generaDecine() { scopriCaselle(Posto::Decine, m_esercizio.cifraDa); }
    void generaCentinaia() { scopriCaselle(Posto::Centinaia, m_esercizio.cifraH); }
    void svuotaRappresentazione() { nascondiCaselle(); }
    int cifraDaUnoANove();
};

} // namespace bexalo
