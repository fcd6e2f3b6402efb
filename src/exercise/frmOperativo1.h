// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The picture-to-abacus window: the program scatters the number as pictures over three
// columns, the pupil builds it on the abacus (up to ten beads a rod); a right answer is also
// written out in digits under "CORRETTO".
#pragma once

#include "exercise/ExerciseWindow.h"

namespace bexalo {

class frmOperativo1 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmOperativo1(Modulo1 &modulo);

    void genera() override;

protected:
    void CmdOperazione_Click() override;
    Control *elementoRisposta(Posto posto, int n) const override;
    void svuotaRisposta() override { svuotaAbaco(); }
    void mostraRispostaGiusta() override;
    void rispostaEsatta() override;

private:
    void generaUnita() { generaPosto(Posto::Unita); }
    void generaDecine() { generaPosto(Posto::Decine); }
    void generaCentinaia() { generaPosto(Posto::Centinaia); }
    void generaPosto(Posto posto);
};

} // namespace bexalo
