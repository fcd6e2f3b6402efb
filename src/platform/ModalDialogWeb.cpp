// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The web: no nested event loop without asyncify, so the dialog is only shown; it blocks the
// other windows until it is closed, and its finished signal carries on.
#include "platform/ModalDialog.h"

#include <QDialog>

namespace bexalo {

void runModal(QDialog &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace bexalo
