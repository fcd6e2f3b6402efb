// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// One row of a window's control table: the design values of one control, exactly as the
// window is laid out (positions in twips, colours #RRGGBB). FormBuilder turns a table of these
// into widgets; nothing else places a control.
#pragma once

#include <QtGlobal>

#include <cstdint>
#include <span>

class QImage;

namespace bexalo {

enum class ControlKind { Frame, Label, OptionButton, CommandButton, PictureBox, Image, Shape, Timer, Menu };

enum class Dock { None, Left, Right };
enum class Align { Left, Center };
enum class Border { KindDefault, None, Single };

// A colour written #RRGGBB as 0xRRGGBB; kDefaultColour leaves the toolkit's (system) colour.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;

struct FontDesign {
    const char *face = nullptr; // nullptr: the container's font
    float points = 0.0f;
    bool bold = false;
};

struct ControlDesign {
    const char *name = "";
    int index = -1; // element of a control array, -1 for a plain control
    ControlKind kind = ControlKind::Label;
    const char *container = "";                   // "" is the window itself, else the name of a Frame
    int left = 0, top = 0, width = 0, height = 0; // twips, from the container's top-left
    const char *caption = "";
    Colour backColor = kDefaultColour;
    Colour foreColor = kDefaultColour;
    FontDesign font = {};
    int tabIndex = -1;
    bool visible = true;
    bool enabled = true;
    Border border = Border::KindDefault;    // frames and picture boxes default to a border, labels to none
    bool transparent = false;               // labels: draw no background
    Align align = Align::Left;              // labels
    const char *toolTip = "";               // hint text while the pointer rests on the control
    const char *accessibleName = "";        // what a screen reader calls the control
    const char *accessibleDescription = ""; // and what it adds where the name is not enough
    const char *picture = nullptr;          // images: a picture of the window's picture source, by name
    Dock dock = Dock::None;                 // picture boxes
    int interval = 0;                       // timers, milliseconds
    int borderWidth = 1;                    // shapes, pixels
};

// Draws the picture an image row names, at a device pixel ratio; its logical size is the
// picture's natural size. A window whose table shows pictures hands the builder one of these.
using PictureSource = QImage (*)(const char *name, qreal devicePixelRatio);

struct FormDesign {
    const char *name = "";
    const char *caption = "";
    int clientWidth = 0, clientHeight = 0; // twips, the design client area
    Colour backColor = kDefaultColour;
    FontDesign font = {};
    std::span<const ControlDesign> controls;
    PictureSource pictures = nullptr;
};

} // namespace bexalo
