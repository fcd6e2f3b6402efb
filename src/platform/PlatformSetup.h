// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What one platform adds around the program: set-up after the application is made, and what
// the end of the program leaves behind. One file per platform (PlatformSetup<Platform>.cpp),
// chosen by CMake; the desktop adds nothing.
#pragma once

class QApplication;

namespace bexalo {

void setUpPlatform(QApplication &app);
// The last window has gone and the program ends.
void programEnded();

} // namespace bexalo
