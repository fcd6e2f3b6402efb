// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The success sound in the browser: the file is fetched from beside the page (once, on the
// first sound), its header checked as on the desktop, and played through the browser's own
// audio. A file that is missing or fails the check gives silence.
#pragma once

#include "platform/Sound.h"

#include <QByteArray>
#include <QString>

namespace bexalo {

class BrowserSound final : public Sound {
public:
    BrowserSound() = default;
    ~BrowserSound() override;
    BrowserSound(const BrowserSound &) = delete;
    BrowserSound &operator=(const BrowserSound &) = delete;

    // Only the file's name counts: the page's folder is the program's folder.
    void play(const QString &path) override;

private:
    enum class State { NotFetched, Fetching, Ready, Silent };
    static void fetched(void *self, void *data, int size);
    static void failed(void *self);

    State m_state = State::NotFetched;
    QByteArray m_url;
    bool m_playWhenReady = false;
};

} // namespace bexalo
