// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Proportional layout: at load a window records each control's geometry as fractions of its
// client size; on every resize it puts each control back at those fractions of the new size.
// Fonts and pictures are never scaled, and the records are never updated after the capture,
// so the layout does not drift however many passes run.
#pragma once

#include "controls/ControlDesign.h"

#include <vector>

namespace bexalo {

class Form;

struct ControlGeometry {
    float widthRatio = 0.0f;
    float heightRatio = 0.0f;
    float topRatio = 0.0f;
    float leftRatio = 0.0f;
};

// A quotient rounded to single precision; an inner size of 0 leaves the field at 0.
float captureRatio(float value, float inner);
// One coordinate placed again: inner size times ratio, in single precision.
inline float applyRatio(float inner, float ratio) { return inner * ratio; }
// Timers and menu items (the collection's only kinds without geometry) are left alone.
bool layoutSkips(ControlKind kind);

namespace Resize {

// One element per control of the window's collection, in its order.
std::vector<ControlGeometry> capture(const Form &form);
// The whole Resize handler of a window.
void apply(Form &form, const std::vector<ControlGeometry> &geometrie);

} // namespace Resize

} // namespace bexalo
