// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/EffectSound.h"

#include "platform/WavCheck.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace bexalo {

EffectSound::EffectSound(QObject *parent) : QObject(parent) {}

EffectSound::~EffectSound() = default;

EffectSound::FileStamp EffectSound::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    return {true, info.size(), info.lastModified()};
}

bool EffectSound::ensureSource(const QString &path)
{
    // A look at the file's size and time is cheap; only a file that has changed since the
    // last play is checked and loaded again.
    const FileStamp stamp = stampOf(path);
    if (path == m_path && stamp == m_stamp) {
        return !m_refused;
    }
    m_path = path;
    m_stamp = stamp;
    m_refused = !stamp.exists || !isPlayableWavFile(path);
    if (m_refused) {
        // The sound of the file as it was goes too: a bad file is silent.
        m_effect.reset();
        return false;
    }
    // Qt Multimedia keeps what it decoded under the file's address, good or bad: each version
    // of the file gets an address of its own, so the new one is read rather than the old.
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QString::number(++m_version));
    m_effect = std::make_unique<QSoundEffect>();
    connect(m_effect.get(), &QSoundEffect::statusChanged, this, &EffectSound::statusChanged);
    m_effect->setSource(url);
    return true;
}

void EffectSound::preload(const QString &path) { ensureSource(path); }

void EffectSound::play(const QString &path)
{
    if (!ensureSource(path) || m_effect->status() == QSoundEffect::Error) {
        return;
    }
    // A new right answer starts the sound again from the beginning.
    m_effect->stop();
    m_effect->play();
}

bool EffectSound::isReady() const { return m_effect && m_effect->status() == QSoundEffect::Ready; }

bool EffectSound::isPlaying() const { return m_effect && m_effect->isPlaying(); }

bool EffectSound::hasFailed() const { return m_refused || (m_effect && m_effect->status() == QSoundEffect::Error); }

} // namespace bexalo
