// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "start/FrmInizio.h"

#include "controls/Forms.h"
#include "controls/Frame.h"
#include "controls/KeyCodes.h"
#include "controls/OptionButton.h"
#include "controls/PictureBox.h"
#include "controls/Timer.h"
#include "exercise/FrmOperativo2.h"
#include "exercise/frmOperativo1.h"
#include "start/CurtainStep.h"
#include "start/FrmInizioTable.h"

namespace bexalo {

namespace {

constexpr Colour kFocusColour = 0xFFC080;
constexpr Colour kOptionColour = 0xFFE0C0;

} // namespace

FrmInizio::FrmInizio(Modulo1 &modulo)
    : Form(frmInizioDesign()), m_modulo(modulo), Picture1(get<PictureBox>("Picture1")),
      Picture2(get<PictureBox>("Picture2")), timerTendine(get<Timer>("timerTendine")), Frame1(get<Frame>("Frame1")),
      Frame2(get<Frame>("Frame2")), Frame3(get<Frame>("Frame3")),
      Option1{get<OptionButton>("Option1", 0), get<OptionButton>("Option1", 1)},
      Option2{get<OptionButton>("Option2", 0), get<OptionButton>("Option2", 1)},
      Option3{get<OptionButton>("Option3", 0), get<OptionButton>("Option3", 1), get<OptionButton>("Option3", 2)}
{
    connectHandlers();
}

void FrmInizio::connectHandlers()
{
    timerTendine->onTimer = [this] { timerTendine_Timer(); };
    connectGroup(Option1, {&FrmInizio::Option1_GotFocus, &FrmInizio::Option1_LostFocus, &FrmInizio::Option1_KeyDown,
                           &FrmInizio::Option1_KeyPress, &FrmInizio::Option1_KeyUp, &FrmInizio::Option1_MouseDown,
                           &FrmInizio::Option1_MouseUp});
    connectGroup(Option2, {&FrmInizio::Option2_GotFocus, &FrmInizio::Option2_LostFocus, &FrmInizio::Option2_KeyDown,
                           &FrmInizio::Option2_KeyPress, &FrmInizio::Option2_KeyUp, &FrmInizio::Option2_MouseDown,
                           &FrmInizio::Option2_MouseUp});
    connectGroup(Option3, {&FrmInizio::Option3_GotFocus, &FrmInizio::Option3_LostFocus, &FrmInizio::Option3_KeyDown,
                           &FrmInizio::Option3_KeyPress, &FrmInizio::Option3_KeyUp, &FrmInizio::Option3_MouseDown,
                           &FrmInizio::Option3_MouseUp});
}

void FrmInizio::connectGroup(std::span<OptionButton *const> group, const GroupHandlers &h)
{
    for (OptionButton *o : group) {
        o->onGotFocus = [this, f = h.gotFocus](int i) { (this->*f)(i); };
        o->onLostFocus = [this, f = h.lostFocus](int i) { (this->*f)(i); };
        o->onKeyDown = [this, f = h.keyDown](int i, int &code, int shift) { (this->*f)(i, code, shift); };
        o->onKeyPress = [this, f = h.keyPress](int i, int &ascii) { (this->*f)(i, ascii); };
        o->onKeyUp = [this, f = h.keyUp](int i, int code, int shift) { (this->*f)(i, code, shift); };
        o->onMouseDown = [this, f = h.mouseDown](int i) { (this->*f)(i); };
        o->onMouseUp = [this, f = h.mouseUp](int i) { (this->*f)(i); };
    }
}

// ---- Window events ---------------------------------------------------------------------

void FrmInizio::Form_Load()
{
    preparaTendine();
    m_geometrie = Resize::capture(*this);
}

void FrmInizio::Form_Resize()
{
    Resize::apply(*this, m_geometrie);
    // The pass gives the curtains their closed width again. Nothing would open them a second
    // time, and a pupil who maximises or restores the window would face a blank window for
    // good: once they have opened, they stay open. While they are still opening the timer goes
    // on from the new width.
    if (!timerTendine->isTimerEnabled()) {
        Picture1->setWidthTwips(0.0f);
        Picture2->setWidthTwips(0.0f);
    }
}

void FrmInizio::Form_Unload() { scaricaTutto(); }

// ---- Curtains ----------------------------------------------------------------------------

void FrmInizio::preparaTendine()
{
    Picture1->setWidthTwips(float(outerWidth()) / 2.0f);
    Picture2->setWidthTwips(float(outerWidth()) / 2.0f);
    timerTendine->setTimerEnabled(true);
}

void FrmInizio::timerTendine_Timer()
{
    // A refused width skips the rest of the step and goes on to the test.
    if (Picture1->setWidthTwips(nextCurtainWidth(float(Picture1->Control::width())))) {
        Picture2->setWidthTwips(nextCurtainWidth(float(Picture2->Control::width())));
    }
    if (curtainsOpen(float(Picture1->Control::width()))) {
        timerTendine->setTimerEnabled(false);
    }
}

// ---- Focus highlight ---------------------------------------------------------------------

void FrmInizio::Option1_GotFocus(int index) { evidenzia(Option1[index]); }

void FrmInizio::Option2_GotFocus(int index) { evidenzia(Option2[index]); }

void FrmInizio::Option3_GotFocus(int index) { evidenzia(Option3[index]); }

void FrmInizio::Option1_LostFocus(int index) { spegni(Option1[index]); }

void FrmInizio::Option2_LostFocus(int index) { spegni(Option2[index]); }

void FrmInizio::Option3_LostFocus(int index) { spegni(Option3[index]); }

void FrmInizio::evidenzia(OptionButton *option)
{
    option->setValue(false);
    option->setBackColor(kFocusColour);
}

void FrmInizio::spegni(OptionButton *option)
{
    option->setBackColor(kOptionColour);
    option->setValue(false);
}

// ---- Keyboard ----------------------------------------------------------------------------

void FrmInizio::Option1_KeyDown(int index, int &keyCode, int)
{
    if (m_blocchi.bloccoKeyDown1) {
        return;
    }
    const KeyDownChoice key = classifyKeyDown(1, keyCode);
    switch (key.kind) {
    case KeyDownChoice::Discard:
        keyCode = 0;
        return;
    case KeyDownChoice::Focus:
        moveFocusTo(Option1[key.index]);
        break;
    case KeyDownChoice::Confirm:
        sceltaPercorso(index);
        break;
    }
    m_blocchi.lockAfterKeyDown(1);
}

void FrmInizio::Option2_KeyDown(int index, int &keyCode, int)
{
    if (m_blocchi.bloccoKeyDown2) {
        return;
    }
    const KeyDownChoice key = classifyKeyDown(2, keyCode);
    if (key.kind == KeyDownChoice::Discard) {
        keyCode = 0;
        return;
    }
    int i = index;
    if (key.kind == KeyDownChoice::Focus) {
        i = key.index;
        moveFocusTo(Option2[i]);
    }
    // Level confirmation.
    if (i == 0) {
        m_modulo.livello = 1;
    } else if (i == 1) {
        m_modulo.livello = 2;
    }
    switchStep(Frame2, Frame3);
    moveFocusTo(Option3[0]);

    m_blocchi.lockAfterKeyDown(2);
}

void FrmInizio::Option3_KeyDown(int index, int &keyCode, int)
{
    if (m_blocchi.bloccoKeyDown3) {
        return;
    }
    const KeyDownChoice key = classifyKeyDown(3, keyCode);
    switch (key.kind) {
    case KeyDownChoice::Discard:
        keyCode = 0;
        return;
    case KeyDownChoice::Focus:
        moveFocusTo(Option3[key.index]);
        break;
    case KeyDownChoice::Confirm:
        sceltaAzione(index);
        break;
    }
    // After "Esci" the window is unloaded but deleted only later, so the lock can still be set.
    m_blocchi.lockAfterKeyDown(3);
}

void FrmInizio::pressSpace(int group, int index, int &keyAscii)
{
    if (m_blocchi.keyPress(group)) {
        return;
    }
    if (keyAscii != Key::Space) {
        keyAscii = 0;
        return;
    }
    const int next = nextOption(index, group);
    moveFocusTo(group == 1 ? Option1[next] : group == 2 ? Option2[next] : Option3[next]);
    m_blocchi.keyPress(group) = true;
}

void FrmInizio::Option1_KeyPress(int index, int &keyAscii) { pressSpace(1, index, keyAscii); }

void FrmInizio::Option2_KeyPress(int index, int &keyAscii) { pressSpace(2, index, keyAscii); }

void FrmInizio::Option3_KeyPress(int index, int &keyAscii) { pressSpace(3, index, keyAscii); }

void FrmInizio::Option1_KeyUp(int, int, int) { m_blocchi.release(1); }

void FrmInizio::Option2_KeyUp(int, int, int) { m_blocchi.release(2); }

void FrmInizio::Option3_KeyUp(int, int, int) { m_blocchi.release(3); }

// ---- Mouse: any button chooses, on the press ----------------------------------------------

void FrmInizio::Option1_MouseDown(int index) { sceltaPercorso(index); }

void FrmInizio::Option2_MouseDown(int index)
{
    // Level confirmation.
    if (index == 0) {
        m_modulo.livello = 1;
    } else if (index == 1) {
        m_modulo.livello = 2;
    }
    switchStep(Frame2, Frame3);
    moveFocusTo(Option3[0]);
}

void FrmInizio::Option3_MouseDown(int index) { sceltaAzione(index); }

void FrmInizio::Option1_MouseUp(int index)
{
    Option1[index]->setValue(false);
    m_blocchi.bloccoKeyDown1 = false;
    m_blocchi.bloccoKeyPress1 = false;
}

void FrmInizio::Option2_MouseUp(int index)
{
    Option2[index]->setValue(false);
    m_blocchi.bloccoKeyDown2 = false;
    m_blocchi.bloccoKeyPress2 = false;
}

void FrmInizio::Option3_MouseUp(int index) { Option3[index]->setValue(false); }

// ---- The three steps ---------------------------------------------------------------------

void FrmInizio::sceltaPercorso(int indice)
{
    if (indice == 0) {
        m_modulo.percorso = QStringLiteral("1");
    } else if (indice == 1) {
        m_modulo.percorso = QStringLiteral("2");
    }
    switchStep(Frame1, Frame2);
    moveFocusTo(Option2[0]);
}

void FrmInizio::sceltaAzione(int indice)
{
    switch (indice) {
    case 0:
        if (m_modulo.percorso == QLatin1String("1")) {
            openExercise<frmOperativo1>();
        } else if (m_modulo.percorso == QLatin1String("2")) {
            openExercise<FrmOperativo2>();
        }
        switchStep(Frame3, Frame1);
        break;
    case 1:
        switchStep(Frame3, Frame1);
        moveFocusTo(Option1[0]);
        break;
    case 2:
        scaricaTutto();
        break;
    default:
        break;
    }
}

void FrmInizio::scaricaTutto()
{
    const QList<Form *> loaded = Forms::instance().loaded();
    for (Form *form : loaded) {
        form->unload();
    }
}

// ---- Helpers -----------------------------------------------------------------------------

template <class Window> void FrmInizio::openExercise()
{
    // An open window of this direction comes to the front as it is: neither reloaded nor reset.
    Window *window = Forms::instance().find<Window>();
    if (!window) {
        window = new Window(m_modulo);
        window->load();
    }
    window->showModeless();
}

void FrmInizio::moveFocusTo(OptionButton *option)
{
    if (option->isEnabled()) {
        option->setFocus(Qt::OtherFocusReason);
    }
}

void FrmInizio::switchStep(Frame *becomingInactive, Frame *becomingActive)
{
    becomingInactive->setEnabled(false);
    becomingInactive->setBorder(false);
    becomingActive->setEnabled(true);
    becomingActive->setBorder(true);
}

} // namespace bexalo
