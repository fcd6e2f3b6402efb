// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/LazySound.h"

namespace bexalo {

LazySound::LazySound(QString moduleFolder) : m_folder(std::move(moduleFolder)) {}

// The player goes before its code could; the module itself stays loaded to the end.
LazySound::~LazySound() = default;

void LazySound::play(const QString &path)
{
    if (!m_tried) {
        m_tried = true;
        m_module.setFileName(m_folder + QStringLiteral("/bexalo_sound"));
        using Create = Sound *(*)();
        if (auto create = reinterpret_cast<Create>(m_module.resolve(kCreateSoundSymbol))) {
            m_player.reset(create());
        }
    }
    if (m_player) {
        m_player->play(path);
    }
}

} // namespace bexalo
