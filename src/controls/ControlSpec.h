// One row of a window's control table: the design values of one control, exactly as the
// window is laid out (positions in twips, colours #RRGGBB). FormBuilder turns a table of these
// into widgets; nothing else places a control.
#pragma once

#include <cstdint>
#include <span>

namespace bexalo {

enum class ControlKind { Frame, Label, OptionButton, CommandButton, PictureBox, Image, Shape, Timer, Menu };

// Pictures carried inside the program.
enum class PictureId { None, Unita, Decina, Centinaio, Triangolo };

enum class Dock { None, Left, Right };
enum class Align { Left, Center };
enum class Border { KindDefault, None, Single };

// A colour written #RRGGBB as 0xRRGGBB; kDefaultColour leaves the toolkit's (system) colour.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;

struct FontSpec {
    const char *face = nullptr; // nullptr: the container's font
    float points = 0.0f;
    bool bold = false;
};

struct ControlSpec {
    const char *name = "";
    int index = -1;              // element of a control array, -1 for a plain control
    ControlKind kind = ControlKind::Label;
    const char *container = "";  // "" is the window itself, else the name of a Frame
    int left = 0, top = 0, width = 0, height = 0; // twips, from the container's top-left
    const char *caption = "";
    Colour backColor = kDefaultColour;
    Colour foreColor = kDefaultColour;
    FontSpec font = {};
    int tabIndex = -1;
    bool visible = true;
    bool enabled = true;
    Border border = Border::KindDefault; // frames and picture boxes default to a border, labels to none
    bool transparent = false;   // labels: draw no background
    Align align = Align::Left;  // labels
    const char *toolTip = "";   // hint text while the pointer rests on the control
    PictureId picture = PictureId::None; // images
    Dock dock = Dock::None;     // picture boxes
    int interval = 0;           // timers, milliseconds
    int borderWidth = 1;        // shapes, pixels
};

struct FormSpec {
    const char *name = "";
    const char *caption = "";
    int clientWidth = 0, clientHeight = 0; // twips, the design client area
    Colour backColor = kDefaultColour;
    FontSpec font = {};
    std::span<const ControlSpec> controls;
};

} // namespace bexalo
