// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window: the pupil chooses direction, level and action, with the mouse or the
// keyboard, and "Vai" opens the exercise window of the chosen direction. Its curtains slide
// open when it is first shown; closing it closes every window and ends the program.
#pragma once

#include "controls/Form.h"
#include "exercise/Modulo1.h"
#include "layout/Resize.h"
#include "start/KeyLocks.h"

#include <array>
#include <span>
#include <vector>

namespace bexalo {

class Frame;
class OptionButton;
class PictureBox;
class Timer;

class FrmInizio : public Form {
    Q_OBJECT
public:
    explicit FrmInizio(Modulo1 &modulo);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    void timerTendine_Timer();

    void Option1_GotFocus(int index);
    void Option2_GotFocus(int index);
    void Option3_GotFocus(int index);
    void Option1_LostFocus(int index);
    void Option2_LostFocus(int index);
    void Option3_LostFocus(int index);

    void Option1_KeyDown(int index, int &keyCode, int shift);
    void Option2_KeyDown(int index, int &keyCode, int shift);
    void Option3_KeyDown(int index, int &keyCode, int shift);
    void Option1_KeyPress(int index, int &keyAscii);
    void Option2_KeyPress(int index, int &keyAscii);
    void Option3_KeyPress(int index, int &keyAscii);
    void Option1_KeyUp(int index, int keyCode, int shift);
    void Option2_KeyUp(int index, int keyCode, int shift);
    void Option3_KeyUp(int index, int keyCode, int shift);

    void Option1_MouseDown(int index);
    void Option2_MouseDown(int index);
    void Option3_MouseDown(int index);
    void Option1_MouseUp(int index);
    void Option2_MouseUp(int index);
    void Option3_MouseUp(int index);

    void sceltaPercorso(int indice);
    void sceltaAzione(int indice);
    void scaricaTutto();
    void preparaTendine();

    struct GroupHandlers {
        void (FrmInizio::*gotFocus)(int);
        void (FrmInizio::*lostFocus)(int);
        void (FrmInizio::*keyDown)(int, int &, int);
        void (FrmInizio::*keyPress)(int, int &);
        void (FrmInizio::*keyUp)(int, int, int);
        void (FrmInizio::*mouseDown)(int);
        void (FrmInizio::*mouseUp)(int);
    };
    void connectHandlers();
    void connectGroup(std::span<OptionButton *const> group, const GroupHandlers &handlers);
    // The focus highlight: the focused option in its own colour, no option left pressed.
    void evidenzia(OptionButton *option);
    void spegni(OptionButton *option);
    // The focus goes to the option, unless its frame is inactive: then it stays where it is.
    void moveFocusTo(OptionButton *option);
    // One step ends, the next begins: the one frame goes inactive, then the other active.
    void switchStep(Frame *becomingInactive, Frame *becomingActive);
    void pressSpace(int group, int index, int &keyAscii);
    template <class Window> void openExercise();

    Modulo1 &m_modulo;
    std::vector<ControlGeometry> m_geometrie;
    KeyLocks m_blocchi;

    PictureBox *Picture1;
    PictureBox *Picture2;
    Timer *timerTendine;
    Frame *Frame1;
    Frame *Frame2;
    Frame *Frame3;
    std::array<OptionButton *, 2> Option1;
    std::array<OptionButton *, 2> Option2;
    std::array<OptionButton *, 3> Option3;
};

} // namespace bexalo
