// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The desktop: the dialog runs its own event loop and the call waits for it.
#include "platform/ModalDialog.h"

#include <QDialog>

namespace bexalo {

void runModal(QDialog &dialog) { dialog.exec(); }

} // namespace bexalo
