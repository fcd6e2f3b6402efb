// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The abacus-to-picture window's controls as data, in creation order (which is also the
// stacking order: among siblings the earlier row is drawn above).
#include "exercise/FrmOperativo2Table.h"

#include "assets/Pictures.h"
#include "exercise/ExerciseDesign.h"

namespace bexalo {
namespace {

using K = ControlKind;
using namespace exerciseDesign;

constexpr FontDesign kBigButtonFont{"Arial", 12.0f, true};
constexpr FontDesign kHelpButtonFont{"Arial", 14.25f, true};

// The table keeps one control a row, as the window was designed.
// clang-format off
const ControlDesign kControls[] = {
    // Statistics.
    {.name = "frmElaborazione", .kind = K::Frame, .left = 3285, .top = 6900, .width = 4890, .height = 1695,
     .backColor = kPanel, .tabIndex = 50, .border = Border::Single,
     .accessibleName = "Statistiche"},
    {.name = "Label5", .index = 4, .kind = K::Label, .container = "frmElaborazione", .left = 3825, .top = 300, .width = 930, .height = 555,
     .caption = "Tempo totale", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 60, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 3, .kind = K::Label, .container = "frmElaborazione", .left = 2880, .top = 300, .width = 930, .height = 555,
     .caption = "Tempo parziale", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 59, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 2, .kind = K::Label, .container = "frmElaborazione", .left = 1935, .top = 300, .width = 930, .height = 555,
     .caption = " Risposte errate", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 58, .transparent = true, .align = Align::Center},
    {.name = "Label5", .index = 1, .kind = K::Label, .container = "frmElaborazione", .left = 990, .top = 300, .width = 930, .height = 555,
     .caption = " Risposte esatte", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 57, .transparent = true, .align = Align::Center},
    {.name = "LblTempoParziale", .kind = K::Label, .container = "frmElaborazione", .left = 2910, .top = 960, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 56, .transparent = true, .align = Align::Center,
     .toolTip = "Secondi impiegati per ogni risposta",
     .accessibleName = "Tempo parziale in secondi"},
    {.name = "Label5", .index = 0, .kind = K::Label, .container = "frmElaborazione", .left = 45, .top = 300, .width = 930, .height = 555,
     .caption = "Oper", .foreColor = kHeading, .font = kHeadingFont, .tabIndex = 55, .transparent = true, .align = Align::Center},
    {.name = "LblTempoTotale", .kind = K::Label, .container = "frmElaborazione", .left = 3870, .top = 960, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 54, .transparent = true, .align = Align::Center,
     .toolTip = "Secondi impiegati per ogni esercizio",
     .accessibleName = "Tempo totale in secondi"},
    {.name = "LblOperazione", .kind = K::Label, .container = "frmElaborazione", .left = 105, .top = 960, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 53, .transparent = true, .align = Align::Center,
     .accessibleName = "Esercizio numero"},
    {.name = "lblRisEsatte", .kind = K::Label, .container = "frmElaborazione", .left = 1035, .top = 960, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 52, .transparent = true, .align = Align::Center,
     .accessibleName = "Risposte esatte"},
    {.name = "lblRisErrate", .kind = K::Label, .container = "frmElaborazione", .left = 1965, .top = 960, .width = 810, .height = 480,
     .foreColor = kValue, .font = kValueFont, .tabIndex = 51, .transparent = true, .align = Align::Center,
     .accessibleName = "Risposte errate"},

    // Hundreds column: a three-by-three grid filled row by row.
    {.name = "Frame6", .kind = K::Frame, .left = 1995, .top = 960, .width = 5670, .height = 6000,
     .backColor = kPanel, .tabIndex = 6, .border = Border::None,
     .accessibleName = "Colonna delle centinaia"},
    {.name = "ImageH", .index = 8, .kind = K::Image, .container = "Frame6", .left = 3795, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 7, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 6, .kind = K::Image, .container = "Frame6", .left = 90, .top = 3945, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 5, .kind = K::Image, .container = "Frame6", .left = 3795, .top = 2025, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 4, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 2025, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 3, .kind = K::Image, .container = "Frame6", .left = 90, .top = 2025, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 2, .kind = K::Image, .container = "Frame6", .left = 3795, .top = 90, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 1, .kind = K::Image, .container = "Frame6", .left = 1950, .top = 90, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},
    {.name = "ImageH", .index = 0, .kind = K::Image, .container = "Frame6", .left = 105, .top = 90, .width = 1785, .height = 1890, .accessibleName = "Un centinaio", .picture = "Centinaio"},

    // Tens column.
    {.name = "Frame5", .kind = K::Frame, .left = 60, .top = 1065, .width = 1950, .height = 5625,
     .backColor = kPanel, .tabIndex = 5, .border = Border::None,
     .accessibleName = "Colonna delle decine"},
    {.name = "ImageDA", .index = 8, .kind = K::Image, .container = "Frame5", .left = 75, .top = 3345, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 7, .kind = K::Image, .container = "Frame5", .left = 75, .top = 3000, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 6, .kind = K::Image, .container = "Frame5", .left = 90, .top = 2655, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 5, .kind = K::Image, .container = "Frame5", .left = 75, .top = 2280, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 4, .kind = K::Image, .container = "Frame5", .left = 75, .top = 1890, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 3, .kind = K::Image, .container = "Frame5", .left = 75, .top = 1485, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 2, .kind = K::Image, .container = "Frame5", .left = 60, .top = 1050, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 1, .kind = K::Image, .container = "Frame5", .left = 60, .top = 645, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},
    {.name = "ImageDA", .index = 0, .kind = K::Image, .container = "Frame5", .left = 75, .top = 270, .width = 1785, .height = 315, .accessibleName = "Una decina", .picture = "Decina"},

    // Units column.
    {.name = "Frame4", .kind = K::Frame, .left = 7710, .top = 900, .width = 675, .height = 5775,
     .backColor = kPanel, .tabIndex = 4, .border = Border::None,
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

    // Abacus. Bead index 1 is the lowest on its rod; the top hundreds bead is 15 twips shorter.
    {.name = "Frame3", .kind = K::Frame, .left = 8505, .top = 435, .width = 2040, .height = 6360,
     .backColor = kPanel, .font = {"MS Sans Serif", 8.25f, false}, .tabIndex = 11, .border = Border::None,
     .accessibleName = "Abaco"},
    {.name = "CmdContaUp", .kind = K::CommandButton, .container = "Frame3", .left = 1320, .top = 5355, .width = 600, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 47,
     .accessibleName = "Aggiungi un'unità"},
    {.name = "CmdContaHm", .kind = K::CommandButton, .container = "Frame3", .left = 60, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 46,
     .accessibleName = "Togli un centinaio"},
    {.name = "CmdContaDap", .kind = K::CommandButton, .container = "Frame3", .left = 690, .top = 5355, .width = 615, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 45,
     .accessibleName = "Aggiungi una decina"},
    {.name = "CmdContaDam", .kind = K::CommandButton, .container = "Frame3", .left = 690, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 44,
     .accessibleName = "Togli una decina"},
    {.name = "CmdContaHp", .kind = K::CommandButton, .container = "Frame3", .left = 60, .top = 5355, .width = 615, .height = 435,
     .caption = "+", .backColor = kYellow, .font = kCounterFont, .tabIndex = 43,
     .accessibleName = "Aggiungi un centinaio"},
    {.name = "CmdContaUm", .kind = K::CommandButton, .container = "Frame3", .left = 1320, .top = 5835, .width = 615, .height = 435,
     .caption = "-", .backColor = kYellow, .font = kCounterFont, .tabIndex = 42,
     .accessibleName = "Togli un'unità"},
    {.name = "Picture1", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 4440, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 41, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 3945, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 40, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 3465, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 39, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2970, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 38, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2490, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 37, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 2010, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 36, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 1515, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 35, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 1020, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 34, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture1", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 1290, .top = 540, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 33, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture11", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 705, .top = 4455, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 32, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 3450, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 31, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2985, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 30, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2490, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 29, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 2010, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 28, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 1530, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 27, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 1035, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 26, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 705, .top = 3960, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 25, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture11", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 555, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 24, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture21", .index = 1, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 4455, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 23, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 2, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 3960, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 22, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 3, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 3480, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 21, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 4, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 2985, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 20, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 5, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 2505, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 19, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 6, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 2025, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 18, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 7, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 1530, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 17, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 8, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 1035, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 16, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture21", .index = 9, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 555, .width = 495, .height = 495, .backColor = kHundredBead, .tabIndex = 15, .visible = false, .accessibleName = "Perlina delle centinaia"},
    {.name = "Picture1", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 1275, .top = 75, .width = 495, .height = 495, .backColor = kUnitBead, .tabIndex = 14, .visible = false, .accessibleName = "Perlina delle unità"},
    {.name = "Picture11", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 720, .top = 75, .width = 495, .height = 495, .backColor = kTenBead, .tabIndex = 13, .visible = false, .accessibleName = "Perlina delle decine"},
    {.name = "Picture21", .index = 10, .kind = K::PictureBox, .container = "Frame3", .left = 180, .top = 75, .width = 495, .height = 480, .backColor = kHundredBead, .tabIndex = 12, .visible = false, .accessibleName = "Perlina delle centinaia"},
    // Rods: hundreds, tens, units from left to right (here the hundreds rod is element 1).
    {.name = "Label3", .index = 0, .kind = K::Label, .container = "Frame3", .left = 1485, .top = 45, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 63},
    {.name = "Label3", .index = 2, .kind = K::Label, .container = "Frame3", .left = 930, .top = 45, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 62},
    {.name = "Label3", .index = 1, .kind = K::Label, .container = "Frame3", .left = 360, .top = 45, .width = 75, .height = 4905,
     .backColor = 0xFF0000, .tabIndex = 61},
    // The spaces put each place name roughly under its rod.
    {.name = "Label2", .kind = K::Label, .container = "Frame3", .left = 60, .top = 4935, .width = 1890, .height = 375,
     .caption = "    h     da      u", .backColor = kYellow, .font = {"Arial", 12.0f, true}, .tabIndex = 48,
     .border = Border::Single},

    // Bottom-right spot: the help frame starts below the big buttons and is raised when shown.
    {.name = "CmdVerifica", .kind = K::CommandButton, .left = 8295, .top = 6825, .width = 3525, .height = 1485,
     .caption = "VERIFICA", .backColor = kBigButton, .font = kBigButtonFont, .tabIndex = 1,
     .accessibleName = "Verifica la risposta", .accessibleDescription = "Controlla il numero che hai composto"},
    {.name = "CmdOperazione", .kind = K::CommandButton, .left = 8295, .top = 6810, .width = 3525, .height = 1515,
     .caption = "A V A N T I", .backColor = kBigButton, .font = kBigButtonFont, .tabIndex = 0,
     .accessibleName = "Esercizio successivo", .accessibleDescription = "Passa a un nuovo esercizio"},
    {.name = "frmAiuto", .kind = K::Frame, .left = 8295, .top = 6810, .width = 3540, .height = 1530,
     .caption = "AIUTO", .backColor = 0xFFFFC0, .font = {"Arial", 9.75f, true}, .tabIndex = 7, .visible = false,
     .border = Border::Single,
     .accessibleName = "Aiuto", .accessibleDescription = "Vuoi vedere la risposta giusta?"},
    {.name = "Cmdsi", .kind = K::CommandButton, .container = "frmAiuto", .left = 1755, .top = 855, .width = 1680, .height = 555,
     .caption = "Si", .backColor = kHelpButton, .font = kHelpButtonFont, .tabIndex = 9,
     .accessibleName = "Sì, mostrami la risposta giusta"},
    {.name = "Cmdno", .kind = K::CommandButton, .container = "frmAiuto", .left = 75, .top = 885, .width = 1620, .height = 555,
     .caption = "No", .backColor = kHelpButton, .font = kHelpButtonFont, .tabIndex = 8,
     .accessibleName = "No, riprovo", .accessibleDescription = "Cancella la risposta per provare ancora. Anche il tasto Esc risponde No"},
    {.name = "LblAiuto", .kind = K::Label, .container = "frmAiuto", .left = 45, .top = 300, .width = 3330, .height = 555,
     .caption = "Ti aiuto ?", .backColor = 0xFFFF80, .font = {"Arial", 21.75f, true}, .tabIndex = 10, .align = Align::Center},

    // Column markers: never shown, only their Left matters.
    {.name = "lblH", .index = 0, .kind = K::Label, .left = 0, .top = 0, .width = 105, .height = 90, .tabIndex = 70, .visible = false},
    {.name = "lblH", .index = 1, .kind = K::Label, .left = 735, .top = 0, .width = 105, .height = 90, .tabIndex = 69, .visible = false},
    {.name = "lblH", .index = 2, .kind = K::Label, .left = 1845, .top = 0, .width = 105, .height = 90, .tabIndex = 68, .visible = false},
    {.name = "lblH", .index = 3, .kind = K::Label, .left = 5565, .top = 0, .width = 105, .height = 90, .tabIndex = 67, .visible = false},
    {.name = "lblH", .index = 4, .kind = K::Label, .left = 7515, .top = 0, .width = 105, .height = 90, .tabIndex = 66, .visible = false},
    {.name = "lblH", .index = 5, .kind = K::Label, .left = 6315, .top = 0, .width = 105, .height = 90, .tabIndex = 65, .visible = false},
    {.name = "lblH", .index = 6, .kind = K::Label, .left = 2820, .top = 0, .width = 105, .height = 90, .tabIndex = 64, .visible = false},

    {.name = "Label9", .kind = K::Label, .left = 0, .top = 432, .width = 12000, .height = 468,
     .caption = "   Livello: h da  u  2", .backColor = kPanel, .foreColor = 0xFF0000, .font = kBand, .tabIndex = 49},
    {.name = "LblEsito", .kind = K::Label, .left = 30, .top = 7305, .width = 3225, .height = 1080,
     .foreColor = 0x0000FF, .font = {"Arial", 48.0f, false}, .tabIndex = 2, .transparent = true,
     .accessibleName = "Esito"},
    {.name = "Label1", .kind = K::Label, .left = -30, .top = 15, .width = 12000, .height = 465,
     .caption = "   Dall'abaco alla rappresentazione grafica", .backColor = kPanel, .foreColor = 0xFF0000,
     .font = kBand, .tabIndex = 3},
};
// clang-format on

} // namespace

const FormDesign &frmOperativo2Design()
{
    static const FormDesign design{
        .name = "FrmOperativo2",
        .caption = "DALL'ABACO ALLA RAPPRESENTAZIONE",
        .clientWidth = 11910,
        .clientHeight = 8640,
        .backColor = kPanel,
        .font = {"Arial", 8.25f, false},
        .controls = kControls,
        .pictures = drawNamedPicture,
    };
    return design;
}

} // namespace bexalo
