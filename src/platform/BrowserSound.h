// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound in the browser: the file is fetched by its name (once, on the first
// sound), its header checked as on the desktop, and played through the browser's own audio.
// A file that fails to arrive or fails the check gives silence for good.
#pragma once

#include "platform/BrowserAudio.h"
#include "platform/Sound.h"

#include <memory>

namespace bexalo {

class BrowserSound final : public Sound {
public:
    explicit BrowserSound(std::unique_ptr<BrowserAudio> audio);
    ~BrowserSound() override;
    BrowserSound(const BrowserSound &) = delete;
    BrowserSound &operator=(const BrowserSound &) = delete;

    // Only the file's name counts: the page says where that file is.
    void play(const QString &path) override;

private:
    enum class State { NotFetched, Fetching, Ready, Silent };
    void arrived(const QByteArray &bytes);
    void failed();

    std::unique_ptr<BrowserAudio> m_audio;
    State m_state = State::NotFetched;
    bool m_playWhenReady = false;
};

} // namespace bexalo
