// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The picture-to-abacus window's controls as data, in creation order (which is also the
// stacking order: among siblings the earlier row is drawn above).
#include "exercise/frmOperativo1Table.h"

#include "assets/Pictures.h"
#include "exercise/ExerciseDesign.h"

namespace bexalo {
namespace {

using K = ControlKind;
using namespace exerciseDesign;

constexpr Colour kAnswer = 0xC04000;
constexpr FontDesign kBigButtonFont{"Arial", 14.25f, true};
constexpr FontDesign kDigitFont{"Arial", 36.0f, true};

// The table keeps one control a row, as the window was designed.
// clang-format off
const ControlDesign kControls[] = {
    // Tens column.
    {.name = "Frame5", .kind = K::Frame, .left = 6495, .top = 975, .width = 1950, .height = 6000,
     .backColor = kPanel, .tabIndex = 7, .border = Border::None,
     .accessibleName = "Colonna delle decine"},
    {.name = "ImageDA", .index = 8, .kind = K::Image, .container = "Frame5", .left = 75, .top = 3345, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 7, .kind = K::Image, .container = "Frame5", .left = 75, .top = 3000, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 6, .kind = K::Image, .container = "Frame5", .left = 90, .top = 2655, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 5, .kind = K::Image, .container = "Frame5", .left = 75, .top = 2280, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 4, .kind = K::Image, .container = "Frame5", .left = 75, .top = 1890, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 3, .kind = K::Image, .container = "Frame5", .left = 75, .top = 1485, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 2, .kind = K::Image, .container = "Frame5", .left = 75, .top = 1050, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 1, .kind = K::Image, .container = "Frame5", .left = 60, .top = 645, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 0, .kind = K::Image, .container = "Frame5", .left = 75, .top = 270, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},

    // Units column.
    {.name = "Frame4", .kind = K::Frame, .left = 90, .top = 975, .width = 675, .height = 6000,
     .backColor = kPanel, .tabIndex = 6, .border = Border::None,
     .accessibleName = "Colonna delle unità"},
    {.name = "ImageU", .index = 8, .kind = K::Image, .container = "Frame4", .left = 150, .top = 2775, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 7, .kind = K::Image, .container = "Frame4", .left = 150, .top = 2475, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 6, .kind = K::Image, .container = "Frame4", .left = 150, .top = 2115, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 5, .kind = K::Image, .container = "Frame4", .left = 150, .top = 1800, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 4, .kind = K::Image, .container = "Frame4", .left = 150, .top = 1515, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 3, .kind = K::Image, .container = "Frame4", .left = 150, .top = 1200, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 2, .kind = K::Image, .container = "Frame4", .left = 150, .top = 900, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 1, .kind = K::Image, .container = "Frame4", .left = 150, .top = 585, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},
    {.name = "ImageU", .index = 0, .kind = K::Image, .container = "Frame4", .left = 150, .top = 270, .width = 330, .height = 270, .accessibleName = "Un'unità", .picture = "Unita"},

    // Hundreds column: a three-by-three grid filled row by row.
    {.name = "Frame6", .kind = K::Frame, .left = 795, .top = 975, .width = 5670, .height = 6000,
     .backColor = kPanel, .tabIndex = 8, .border = Border::None,
     .accessibleName = "Colonna delle centinaia"},
    {.name = "ImageH", .index = 8, .kind = K::Image, .container = "Frame6", .left = 3795, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 7, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 6, .kind = K::Image, .container = "Frame6", .left = 105, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 5, .kind = K::Image, .container = "Frame6", .left = 3795, .top = 2010, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 4, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 2010, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 3, .kind = K::Image, .container = "Frame6", .left = 90, .top = 2010, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 2, .kind = K::Image, .container = "Frame6", .left = 3780, .top = 75, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 1, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 75, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 0, .kind = K::Image, .container = "Frame6", .left = 90, .top = 75, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},

    // Statistics.
    {.name = "frmElaborazione", .kind = K::Frame, .left = 3210, .top = 7095, .width = 4890, .height = 1485,
     .backColor = kPanel, .tabIndex = 54, .border = Border::Single,
     .accessibleName = "Statistiche"},
    {.name = "lblRisErrate", .kind = K::Label, .container = "frmElaborazione", .left = 1965, .top = 810, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 64, .transparent = true, .align = Align::Center,
     .accessibleName = "Risposte errate"},
    {.name = "lblRisEsatte", .kind = K::Label, .container = "frmElaborazione", .left = 1035, .top = 810, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 63, .transparent = true, .align = Align::Center,
     .accessibleName = "Risposte esatte"},
    {.name = "LblOperazione", .kind = K::Label, .container = "frmElaborazione", .left = 105, .top = 810, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 62, .transparent = true, .align = Align::Center,
     .accessibleName = "Esercizio numero"},
    {.name = "LblTempoTotale", .kind = K::Label, .container = "frmElaborazione", .left = 3870, .top = 810, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 61, .transparent = true, .align = Align::Center,
     .toolTip = "Secondi impiegati per ogni esercizio",
     .accessibleName = "Tempo totale in secondi"},
    {.name = "Label5", .index = 0, .kind = K::Label, .container = "frmElaborazione", .left = 45, .top = 300, .width = 930, .height = 555,
     .caption = "Oper", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 60, .transparent = true, .align = Align::Center},
    {.name = "LblTempoParziale", .kind = K::Label, .container = "frmElaborazione", .left = 2910, .top = 810, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 59, .transparent = true, .align = Align::Center,
     .toolTip = "Secondi impiegati per ogni risposta",
     .accessibleName = "Tempo parziale in secondi"},
    {.name = "Label5", .index = 1, .kind = K::Label, .container = "frmElaborazione", .left = 990, .top = 300, .width = 930, .height = 555,
     .caption = " Risposte esatte", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 58, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 2, .kind = K::Label, .container = "frmElaborazione", .left = 1935, .top = 300, .width = 930, .height = 555,
     .caption = " Risposte errate", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 57, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 3, .kind = K::Label, .container = "frmElaborazione", .left = 2880, .top = 300, .width = 930, .height = 555,
     .caption = "Tempo parziale", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 56, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 4, .kind = K::Label, .container = "frmElaborazione", .left = 3825, .top = 300, .width = 930, .height = 555,
     .caption = "Tempo totale", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 55, .transparent = true, .align = Align::Center},

    // Abacus. Bead index 1 is the lowest on its rod; the top hundreds bead is 15 twips shorter.
    {.name = "Frame3", .kind = K::Frame, .left = 8400, .top = 480, .width = 2040, .height = 6360,
     .backColor = kPanel, .font = {"MS Sans Serif", 8.25f, false}, .tabIndex = 3, .border = Border::None,
     .accessibleName = "Abaco"},
    {.name = "Picture21", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 4455, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 53, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 3960, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 52, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 3480, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 51, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 2985, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 50, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 2505, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 49, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 2025, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 48, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 1530, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 47, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 1035, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 46, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 555, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 45, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 150, .top = 75, .width = 495, .height = 480, .backColor = kHundredBead, .tabIndex = 44, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture11", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 735, .top = 75, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 38, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture1", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 75, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 37, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture11", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 555, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 36, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 3960, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 35, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 1035, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 34, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 1530, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 33, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2010, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 32, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2490, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 31, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2985, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 30, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 3465, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 29, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 4455, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 28, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture1", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 540, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 27, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 1020, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 26, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 1515, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 25, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2010, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 24, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2490, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 23, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2970, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 22, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 3465, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 21, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 3945, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 20, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 4440, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 19, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "CmdContaUm", .kind = K::CommandButton, .container = "Frame3", .left = 1320, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 14,
     .accessibleName = "Togli un'unità"},
    {.name = "CmdContaHp", .kind = K::CommandButton, .container = "Frame3", .left = 60, .top = 5370, .width = 615, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 13,
     .accessibleName = "Aggiungi un centinaio"},
    {.name = "CmdContaDam", .kind = K::CommandButton, .container = "Frame3", .left = 690, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 12,
     .accessibleName = "Togli una decina"},
    {.name = "CmdContaDap", .kind = K::CommandButton, .container = "Frame3", .left = 690, .top = 5355, .width = 615, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 11,
     .accessibleName = "Aggiungi una decina"},
    {.name = "CmdContaHm", .kind = K::CommandButton, .container = "Frame3", .left = 60, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 10,
     .accessibleName = "Togli un centinaio"},
    {.name = "CmdContaUp", .kind = K::CommandButton, .container = "Frame3", .left = 1320, .top = 5355, .width = 600, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 9,
     .accessibleName = "Aggiungi un'unità"},
    // Rods: hundreds, tens, units from left to right.
    {.name = "Label3", .index = 2, .kind = K::Label, .container = "Frame3", .left = 360, .top = 0, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 67},
    {.name = "Label3", .index = 1, .kind = K::Label, .container = "Frame3", .left = 930, .top = 0, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 66},
    {.name = "Label3", .index = 0, .kind = K::Label, .container = "Frame3", .left = 1455, .top = 0, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 65},
    // The spaces put each place name roughly under its rod.
    {.name = "Label2", .kind = K::Label, .container = "Frame3", .left = 60, .top = 4935, .width = 1875, .height = 390,
     .caption = "    h     da      u", .backColor = kYellow, .font = {"Arial", 12.0f, true}, .tabIndex = 4,
     .border = Border::Single},

    // Help frame: hidden, and above the two big buttons when shown.
    {.name = "fraAiuto", .kind = K::Frame, .left = 8250, .top = 6840, .width = 3615, .height = 1530,
     .caption = "AIUTO", .backColor = kPanel, .font = {"Arial", 9.75f, true}, .tabIndex = 15, .visible = false,
     .border = Border::Single,
     .accessibleName = "Aiuto", .accessibleDescription = "Vuoi vedere la risposta giusta?"},
    {.name = "Cmdno", .kind = K::CommandButton, .container = "fraAiuto", .left = 150, .top = 915, .width = 1620, .height = 555,
     .caption = "No", .backColor = kHelpButton, .font = kBigButtonFont, .tabIndex = 17,
     .accessibleName = "No, riprovo", .accessibleDescription = "Cancella la risposta per provare ancora. Anche il tasto Esc risponde No"},
    {.name = "Cmdsi", .kind = K::CommandButton, .container = "fraAiuto", .left = 1830, .top = 885, .width = 1680, .height = 555,
     .caption = "Si", .backColor = kHelpButton, .font = kBigButtonFont, .tabIndex = 16,
     .accessibleName = "Sì, mostrami la risposta giusta"},
    {.name = "LblAiuto", .kind = K::Label, .container = "fraAiuto", .left = 120, .top = 300, .width = 3330, .height = 555,
     .caption = "Ti aiuto ?", .backColor = 0xFFFF80, .font = {"Arial", 21.75f, true}, .tabIndex = 18, .align = Align::Center},

    {.name = "CmdVerifica", .kind = K::CommandButton, .left = 8250, .top = 7005, .width = 3585, .height = 1380,
     .caption = "V E R I F I CA", .backColor = kBigButton, .font = kBigButtonFont, .tabIndex = 1,
     .accessibleName = "Verifica la risposta", .accessibleDescription = "Controlla il numero che hai composto"},
    {.name = "CmdOperazione", .kind = K::CommandButton, .left = 8265, .top = 6975, .width = 3555, .height = 1395,
     .caption = "A V A N T I", .backColor = kBigButton, .font = kBigButtonFont, .tabIndex = 0,
     .accessibleName = "Esercizio successivo", .accessibleDescription = "Passa a un nuovo esercizio"},

    // Column markers: never shown, only their Left matters.
    {.name = "lblH", .index = 6, .kind = K::Label, .left = 2970, .top = 885, .width = 105, .height = 90, .tabIndex = 74, .visible = false},
    {.name = "lblH", .index = 5, .kind = K::Label, .left = 6465, .top = 885, .width = 105, .height = 90, .tabIndex = 73, .visible = false},
    {.name = "lblH", .index = 4, .kind = K::Label, .left = 7665, .top = 885, .width = 105, .height = 90, .tabIndex = 72, .visible = false},
    {.name = "lblH", .index = 3, .kind = K::Label, .left = 5715, .top = 885, .width = 105, .height = 90, .tabIndex = 71, .visible = false},
    {.name = "lblH", .index = 2, .kind = K::Label, .left = 1995, .top = 885, .width = 105, .height = 90, .tabIndex = 70, .visible = false},
    {.name = "lblH", .index = 1, .kind = K::Label, .left = 885, .top = 885, .width = 105, .height = 90, .tabIndex = 69, .visible = false},
    {.name = "lblH", .index = 0, .kind = K::Label, .left = 150, .top = 885, .width = 105, .height = 90, .tabIndex = 68, .visible = false},

    {.name = "Label9", .kind = K::Label, .left = 0, .top = 405, .width = 12000, .height = 465,
     .caption = "    Decine Unit\u00e0  : da u", .backColor = kPanel, .foreColor = 0xFF0000, .font = kBand, .tabIndex = 43},
    // Correct answer: "CORRETTO" over the hundreds, tens and units digits.
    {.name = "Label8", .kind = K::Label, .left = 10485, .top = 4935, .width = 1365, .height = 285,
     .caption = "CORRETTO", .foreColor = kAnswer, .font = {"Arial", 12.0f, true}, .tabIndex = 42, .visible = false,
     .transparent = true, .align = Align::Center},
    {.name = "Label7", .kind = K::Label, .left = 11340, .top = 5430, .width = 465, .height = 780,
     .foreColor = kAnswer, .font = kDigitFont, .tabIndex = 41, .transparent = true, .align = Align::Center,
     .accessibleName = "Cifra corretta delle unità"},
    {.name = "Label6", .kind = K::Label, .left = 10815, .top = 5430, .width = 540, .height = 780,
     .foreColor = kAnswer, .font = kDigitFont, .tabIndex = 40, .transparent = true, .align = Align::Center,
     .accessibleName = "Cifra corretta delle decine"},
    {.name = "Label4", .kind = K::Label, .left = 10455, .top = 5430, .width = 405, .height = 780,
     .foreColor = kAnswer, .font = kDigitFont, .tabIndex = 39, .transparent = true, .align = Align::Center,
     .accessibleName = "Cifra corretta delle centinaia"},
    {.name = "LblEsito", .kind = K::Label, .left = 75, .top = 7230, .width = 3060, .height = 1200,
     .font = {"Arial", 48.0f, false}, .tabIndex = 2, .transparent = true,
     .accessibleName = "Esito"},
    {.name = "Label1", .kind = K::Label, .left = 45, .top = 0, .width = 12000, .height = 465,
     .caption = "   Dalla rappresentazione grafica all'abaco", .backColor = kPanel, .foreColor = 0xFF0000,
     .font = kBand, .tabIndex = 5},
};
// clang-format on

} // namespace

const FormDesign &frmOperativo1Design()
{
    static const FormDesign design{
        .name = "frmOperativo1",
        .caption = "DALLA RAPPRESENTAZIONE ALL'ABACO 1",
        .clientWidth = 11880,
        .clientHeight = 8610,
        .backColor = kPanel,
        .font = {"Arial", 8.25f, false},
        .controls = kControls,
        .pictures = drawNamedPicture,
    };
    return design;
}

} // namespace bexalo
