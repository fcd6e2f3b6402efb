// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the two exercise windows do alike, written once: loading, the "+" and "-" presses,
// verification with scoring and timing, the help offer and its "Si" and "No". The
// picture-to-abacus and the abacus-to-picture windows add only their own differences.
#pragma once

#include "controls/Form.h"
#include "exercise/Esercizio.h"
#include "exercise/Modulo1.h"
#include "layout/Resize.h"

#include <array>
#include <vector>

namespace bexalo {

class CommandButton;
class Frame;

inline constexpr Colour kGiallo = 0xFFFF00;
inline constexpr Colour kRosso = 0xFF0000;

class ExerciseWindow : public Form {
    Q_OBJECT
public:
    // `cap` is the most a count can reach: the beads of a rod or the slots of a column.
    ExerciseWindow(const FormDesign &design, Modulo1 &modulo, int cap, const char *helpFrame);

    // Sets up a new exercise: target, its display, column order, hundreds buttons, start time.
    virtual void genera() = 0;

    // The window's own exercise. Tests read it, and set it where reaching a state by presses
    // would take tens of thousands of them.
    const Esercizio &esercizio() const { return m_esercizio; }
    Esercizio &esercizio() { return m_esercizio; }
    // 1 or 2: a window opened before any level was chosen works at level 1.
    int livelloEsercizio() const;

protected:
    void Form_Load() override;
    void Form_Resize() override;

    void CmdContaUp_Click() { piu(Posto::Unita); }
    void CmdContaUm_Click() { meno(Posto::Unita); }
    void CmdContaDap_Click() { piu(Posto::Decine); }
    void CmdContaDam_Click() { meno(Posto::Decine); }
    void CmdContaHp_Click() { piu(Posto::Centinaia); }
    void CmdContaHm_Click() { meno(Posto::Centinaia); }
    void CmdVerifica_Click();
    void Cmdsi_Click();
    void Cmdno_Click();
    virtual void CmdOperazione_Click() = 0;

    void mescolaColonne();
    void svuotaAbaco();
    void mostraAiuto();

    // What each window does its own way.
    // The element that stands for a count of n in the pupil's answer (bead or slot).
    virtual Control *elementoRisposta(Posto posto, int n) const = 0;
    // Removes the pupil's answer from view.
    virtual void svuotaRisposta() = 0;
    // Shows the right answer in the pupil's area.
    virtual void mostraRispostaGiusta() = 0;
    // The steps of a right answer, in the window's own order.
    virtual void rispostaEsatta() = 0;

    // Helpers for the steps of both windows.
    Control *perlina(Posto posto, int indice) const; // bead 1 to 10 of a rod
    Control *casella(Posto posto, int indice) const; // slot 0 to 8 of a column
    void nascondiCaselle();                          // every slot of the three columns
    void scopriCaselle(Posto posto, int quante);     // a scatter of `quante` pictures
    void mostraPerlineDelleCifre();                  // beads 1 to the digit on each rod
    void mostraPulsantiCentinaia(bool shown);
    void coloraPulsanti(Colour colour);
    void abilitaPulsanti(bool enabled);
    void azzeraConte();
    void avanzaNumero();
    void contaRispostaEsatta();
    void suonaSuccesso();
    void caption(const char *label, const QString &text);
    void avviaCronometro();

    Modulo1 &m_modulo;
    Esercizio m_esercizio;
    std::vector<ControlGeometry> m_geometrie;
    const int m_cap;

    CommandButton *m_cmdVerifica;
    CommandButton *m_cmdOperazione;
    CommandButton *m_cmdSi;
    CommandButton *m_cmdNo;
    Frame *m_aiuto;

private:
    void piu(Posto posto);
    void meno(Posto posto);
    void misuraTempo();

    std::array<CommandButton *, 3> m_piu{};
    std::array<CommandButton *, 3> m_meno{};
    std::array<Control *, 3> m_colonne{};
    std::array<Control *, 7> m_marker{};
    std::array<std::array<Control *, 11>, 3> m_perline{};
    std::array<std::array<Control *, 9>, 3> m_caselle{};
};

} // namespace bexalo
