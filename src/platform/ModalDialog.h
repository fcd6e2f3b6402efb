// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// How a modal dialog runs: the call returns at once and the dialog blocks input to the other
// windows until it is closed (the browser has no nested event loop to wait in, and every
// platform does as the browser does). Code that follows a dialog goes in its finished signal.
#pragma once

class QDialog;

namespace bexalo {

// Shows the dialog modal (its modality set by the caller) and returns.
void runModal(QDialog &dialog);

} // namespace bexalo
