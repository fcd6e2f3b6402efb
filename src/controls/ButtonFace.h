// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The graphical-style push button face shared by option and command buttons: a flat face in
// the button's BackColor, a thin raised or sunken edge, the caption centred and wrapped.
#pragma once

class QAbstractButton;

namespace bexalo {

void paintButtonFace(QAbstractButton &button, bool sunken);

} // namespace bexalo
