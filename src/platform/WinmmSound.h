// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound on Windows: winmm's PlaySoundW plays the file in the background and
// returns at once, and a new sound cuts off one still playing. The file's header is checked
// first, as everywhere, so a broken file is never handed over; a file the call still cannot
// play gives silence rather than the system's default beep.
#pragma once

#include "platform/Sound.h"

namespace bexalo {

class WinmmSound final : public Sound {
public:
    // The system call, behind a pointer so that a test can see what it is handed.
    using PlayCall = int (*)(const wchar_t *path, unsigned flags);
    // The flags every sound is played with: a file name, in the background, no default beep.
    static const unsigned kFlags;

    explicit WinmmSound(PlayCall call = nullptr);
    void play(const QString &path) override;

private:
    PlayCall m_call;
};

} // namespace bexalo
