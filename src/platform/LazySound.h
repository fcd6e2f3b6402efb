// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound as the program wires it: the real player (EffectSound, with Qt Multimedia
// and the audio and codec libraries that come with it) lives in the sound module beside the
// program and is loaded only when the first sound is asked for, so that start-up neither loads
// those libraries nor holds their memory. A module that is missing or will not load gives
// silence, as a missing sound file does.
#pragma once

#include "platform/Sound.h"

#include <QLibrary>
#include <QString>
#include <memory>

namespace bexalo {

class LazySound final : public Sound {
public:
    // `moduleFolder` is where the module lies: the program's own folder.
    explicit LazySound(QString moduleFolder);
    ~LazySound() override;

    void play(const QString &path) override;
    // Whether the real player has been loaded.
    bool isLoaded() const { return m_player != nullptr; }

private:
    QString m_folder;
    QLibrary m_module;
    std::unique_ptr<Sound> m_player;
    bool m_tried = false;
};

// The module's one entry point, looked up by name.
inline constexpr char kCreateSoundSymbol[] = "bexaloCreateSound";

} // namespace bexalo
