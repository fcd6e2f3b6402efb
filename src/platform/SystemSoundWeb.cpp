// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The web: the browser fetches the file from beside the page and plays it.
#include "platform/BrowserSound.h"
#include "platform/SystemSound.h"

namespace bexalo {

std::unique_ptr<Sound> makeSystemSound(const QString &) { return std::make_unique<BrowserSound>(); }

} // namespace bexalo
