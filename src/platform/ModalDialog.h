// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// How a modal dialog runs on this platform. The desktop has nested event loops: the call
// returns when the dialog has been closed. The browser has none: the call returns at once and
// the dialog blocks input until it is closed. Either way, code that follows a dialog goes in
// its finished signal. One file per platform (ModalDialog<Platform>.cpp), chosen by CMake.
#pragma once

class QDialog;

namespace bexalo {

// Shows the dialog modal (its modality set by the caller).
void runModal(QDialog &dialog);

} // namespace bexalo
