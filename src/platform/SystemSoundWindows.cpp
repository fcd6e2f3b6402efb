// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Windows: the system's own sound call plays the file; no audio library is linked in.
#include "platform/SystemSound.h"
#include "platform/WinmmSound.h"

namespace bexalo {

std::unique_ptr<Sound> makeSystemSound(const QString &) { return std::make_unique<WinmmSound>(); }

} // namespace bexalo
