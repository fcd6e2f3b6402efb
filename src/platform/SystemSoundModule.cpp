// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Every desktop but Windows (Linux, the BSDs, macOS): the player, with Qt Multimedia, lives in
// the sound module beside the program, loaded on the first sound.
#include "platform/LazySound.h"
#include "platform/SystemSound.h"

namespace bexalo {

std::unique_ptr<Sound> makeSystemSound(const QString &programFolder)
{
    return std::make_unique<LazySound>(programFolder);
}

} // namespace bexalo
