// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Starting without a graphical display: instead of Qt's abort (and a core dump), one clear
// line on standard error and exit status 1.
#pragma once

namespace bexalo {

// Until removed, a fatal message from the windowing system's start-up ends the program
// with that line and status 1.
void guardDisplayStartup();
void endDisplayStartupGuard();

} // namespace bexalo
