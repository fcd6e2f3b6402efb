// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound, behind a seam: the program asks for a WAV file to be played in the
// background and goes on at once. Tests hand in a recording double.
#pragma once

#include <QString>

namespace bexalo {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts the file in the background, in place of any sound still playing. A file that is
    // missing or cannot be played gives silence; nothing is reported.
    virtual void play(const QString &path) = 0;
};

} // namespace bexalo
