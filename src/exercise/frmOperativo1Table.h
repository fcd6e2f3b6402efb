// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The picture-to-abacus window's controls as data: every control of frmOperativo1 in creation
// order with its design values (twips, #RRGGBB). FormBuilder makes the window from it.
#pragma once

#include "controls/ControlDesign.h"

namespace bexalo {

const FormDesign &frmOperativo1Design();

} // namespace bexalo
