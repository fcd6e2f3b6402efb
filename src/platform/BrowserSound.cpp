// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/BrowserSound.h"

#include "platform/WavCheck.h"

#include <QFileInfo>

namespace bexalo {

BrowserSound::BrowserSound(std::unique_ptr<BrowserAudio> audio) : m_audio(std::move(audio)) {}

BrowserSound::~BrowserSound() { m_audio->forget(); }

void BrowserSound::play(const QString &path)
{
    switch (m_state) {
    case State::NotFetched:
        m_state = State::Fetching;
        m_playWhenReady = true;
        m_audio->fetch(
            QFileInfo(path).fileName(), [this](const QByteArray &bytes) { arrived(bytes); }, [this] { failed(); });
        break;
    case State::Fetching:
        m_playWhenReady = true;
        break;
    case State::Ready:
        m_audio->start();
        break;
    case State::Silent:
        break;
    }
}

void BrowserSound::arrived(const QByteArray &bytes)
{
    if (m_state != State::Fetching) {
        return;
    }
    if (!isCompletePcmWav(bytes, bytes.size())) {
        failed();
        return;
    }
    m_state = State::Ready;
    m_audio->load(bytes);
    if (m_playWhenReady) {
        m_playWhenReady = false;
        m_audio->start();
    }
}

void BrowserSound::failed()
{
    if (m_state != State::Fetching) {
        return;
    }
    m_state = State::Silent;
    m_playWhenReady = false;
    m_audio->silence();
}

} // namespace bexalo
