// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// One way on every platform: the dialog is shown, not run in an event loop of its own (the
// browser has none without asyncify); it blocks the other windows until it is closed, and its
// finished signal carries on. So the desktop and its tests take the browser's path too.
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
