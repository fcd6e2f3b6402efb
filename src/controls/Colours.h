// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Colours of the tables (#RRGGBB as 0xRRGGBB) as Qt colours.
#pragma once

#include "controls/ControlDesign.h"

#include <QColor>

namespace bexalo {

inline QColor toQColor(Colour c) { return QColor::fromRgb(static_cast<QRgb>(c | 0xFF000000u)); }

} // namespace bexalo
