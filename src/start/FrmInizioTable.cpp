// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window's controls as data, in creation order (which is also the stacking order).
#include "start/FrmInizioTable.h"

namespace bexalo {
namespace {

using K = ControlKind;

constexpr Colour kPanel = 0xFFC0FF;   // window, frames, inner rounded rectangles
constexpr Colour kCurtain = 0xFF80FF; // curtains, outer rounded rectangles
constexpr Colour kOptionFace = 0xFFE0C0;
constexpr Colour kOptionText = 0x0000C0;
constexpr FontDesign kOptionFont{"Arial", 14.25f, true};

// The table keeps one control a row, as the window was designed.
// clang-format off
const ControlDesign kControls[] = {
    {.name = "Picture1", .kind = K::PictureBox, .left = 0, .top = 0, .width = 120, .height = 8310,
     .backColor = kCurtain, .tabIndex = 5, .border = Border::None, .dock = Dock::Left},
    {.name = "Picture2", .kind = K::PictureBox, .left = 11685, .top = 0, .width = 228, .height = 8310,
     .backColor = kCurtain, .tabIndex = 6, .border = Border::None, .dock = Dock::Right},
    {.name = "timerTendine", .kind = K::Timer, .enabled = false, .interval = 10},

    {.name = "frmTitolo", .kind = K::Frame, .left = 90, .top = 120, .width = 11550, .height = 1965,
     .backColor = kPanel, .tabIndex = 1, .border = Border::None},
    {.name = "Label6", .index = 1, .kind = K::Label, .container = "frmTitolo",
     .left = 9345, .top = 405, .width = 1335, .height = 420, .caption = "Abaco",
     .font = {"MS Sans Serif", 13.5f, false}, .tabIndex = 7, .transparent = true},
    {.name = "Label6", .index = 0, .kind = K::Label, .container = "frmTitolo",
     .left = 9300, .top = 1410, .width = 1215, .height = 210, .caption = "Vers.   1.2.0",
     .tabIndex = 4, .transparent = true},
    {.name = "Label4", .kind = K::Label, .container = "frmTitolo",
     .left = 345, .top = 390, .width = 8385, .height = 1080, .caption = "BEXALO",
     .backColor = kPanel, .foreColor = 0x0000C0, .font = {"Arial", 36.0f, true}, .tabIndex = 2,
     .align = Align::Center},
    // Each pair: the inner rectangle first, so it lies above the outer one.
    {.name = "Shape2", .kind = K::Shape, .container = "frmTitolo",
     .left = 150, .top = 210, .width = 8820, .height = 1515, .backColor = kPanel, .borderWidth = 1},
    {.name = "Shape1", .kind = K::Shape, .container = "frmTitolo",
     .left = 90, .top = 195, .width = 9015, .height = 1575, .backColor = kCurtain, .borderWidth = 2},
    {.name = "Shape3", .kind = K::Shape, .container = "frmTitolo",
     .left = 9165, .top = 225, .width = 2190, .height = 1515, .backColor = kPanel, .borderWidth = 1},
    {.name = "Shape4", .kind = K::Shape, .container = "frmTitolo",
     .left = 9150, .top = 210, .width = 2310, .height = 1575, .backColor = kCurtain, .borderWidth = 2},

    {.name = "Frame1", .kind = K::Frame, .left = 270, .top = 3525, .width = 3630, .height = 3150,
     .backColor = kPanel, .tabIndex = 8, .border = Border::Single,
     .accessibleName = "Passo 1: direzione"},
    {.name = "Option1", .index = 0, .kind = K::OptionButton, .container = "Frame1",
     .left = 105, .top = 150, .width = 3195, .height = 1380, .caption = "Dal grafico all'abaco",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 10,
     .accessibleName = "Dal grafico all'abaco: scegli la direzione", .accessibleDescription = "Vedi i disegni e componi il numero sull'abaco. Invio conferma"},
    {.name = "Option1", .index = 1, .kind = K::OptionButton, .container = "Frame1",
     .left = 105, .top = 1575, .width = 3195, .height = 1380, .caption = "Dall'abaco al grafico",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = {"Arial", 13.5f, true}, .tabIndex = 9,
     .accessibleName = "Dall'abaco al grafico: scegli la direzione", .accessibleDescription = "Vedi il numero sull'abaco e componi i disegni. Invio conferma"},

    {.name = "Frame2", .kind = K::Frame, .left = 3975, .top = 3495, .width = 3630, .height = 3150,
     .backColor = kPanel, .tabIndex = 13, .border = Border::Single,
     .accessibleName = "Passo 2: livello"},
    {.name = "Option2", .index = 0, .kind = K::OptionButton, .container = "Frame2",
     .left = 105, .top = 150, .width = 3195, .height = 1380, .caption = "da    u",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 15,
     .accessibleName = "Decine e unità: scegli il livello", .accessibleDescription = "Numeri di due cifre. Invio conferma"},
    {.name = "Option2", .index = 1, .kind = K::OptionButton, .container = "Frame2",
     .left = 105, .top = 1575, .width = 3195, .height = 1380, .caption = "h   da   u",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 14,
     .accessibleName = "Centinaia, decine e unità: scegli il livello", .accessibleDescription = "Numeri di tre cifre. Invio conferma"},

    // "Esci" belongs to the window, not to Frame3: disabling the step-3 frame must not lock the
    // pupil in, and created before Frame3 it is drawn above it.
    {.name = "Option3", .index = 2, .kind = K::OptionButton, .container = "",
     .left = 7815, .top = 5700, .width = 3195, .height = 915, .caption = "Esci",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 21,
     .accessibleName = "Esci: chiudi il programma", .accessibleDescription = "Invio conferma"},
    {.name = "Frame3", .kind = K::Frame, .left = 7725, .top = 3585, .width = 3645, .height = 3150,
     .backColor = kPanel, .tabIndex = 18, .border = Border::Single,
     .accessibleName = "Passo 3: azione"},
    {.name = "Option3", .index = 1, .kind = K::OptionButton, .container = "Frame3",
     .left = 90, .top = 1155, .width = 3195, .height = 915, .caption = "Reimposta",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 20,
     .accessibleName = "Reimposta: ricomincia la scelta", .accessibleDescription = "Torna al primo passo. Invio conferma"},
    {.name = "Option3", .index = 0, .kind = K::OptionButton, .container = "Frame3",
     .left = 90, .top = 195, .width = 3195, .height = 915, .caption = "Vai",
     .backColor = kOptionFace, .foreColor = kOptionText, .font = kOptionFont, .tabIndex = 19,
     .accessibleName = "Vai: apri gli esercizi", .accessibleDescription = "Apre la finestra degli esercizi scelti. Invio conferma"},

    // Its cyan background never shows: the label is transparent.
    {.name = "Label5", .kind = K::Label, .left = 150, .top = 7215, .width = 11190, .height = 465,
     .caption = "Impariamo il valore delle cifre", .backColor = 0x80FFFF, .foreColor = 0xC00000,
     .font = {"Arial", 18.0f, true}, .tabIndex = 0, .transparent = true, .align = Align::Center},
    {.name = "mnu1", .kind = K::Menu, .caption = ""},
};
// clang-format on

} // namespace

const FormDesign &frmInizioDesign()
{
    static const FormDesign design{
        .name = "FrmInizio",
        .caption = "ORVENTA",
        .clientWidth = 11910,
        .clientHeight = 8310,
        .backColor = kPanel,
        .font = {"MS Sans Serif", 8.25f, false},
        .controls = kControls,
    };
    return design;
}

} // namespace bexalo
