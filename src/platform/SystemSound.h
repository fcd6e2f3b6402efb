// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound the program plays on this platform. Each platform has its own file that
// makes it (SystemSound<Platform>.cpp), and CMake picks the one that is built, so main.cpp wires
// the sound the same way everywhere.
#pragma once

#include "platform/Sound.h"

#include <QString>
#include <memory>

namespace bexalo {

// The real player; `programFolder` is where the program lies, with whatever it loads.
std::unique_ptr<Sound> makeSystemSound(const QString &programFolder);

} // namespace bexalo
