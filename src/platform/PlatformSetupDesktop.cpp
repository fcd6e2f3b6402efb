// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The desktop: the system's fonts and window manager do the work, and the program's end is
// the process's end.
#include "platform/PlatformSetup.h"

namespace bexalo {

void setUpPlatform(QApplication &) {}

void programEnded() {}

} // namespace bexalo
