#include "platform/EffectSound.h"

#include "platform/WavCheck.h"

#include <QSoundEffect>
#include <QUrl>

namespace bexalo {

EffectSound::EffectSound(QObject *parent) : QObject(parent) {}

EffectSound::~EffectSound() = default;

bool EffectSound::ensureSource(const QString &path)
{
    if (path != m_path) {
        m_path = path;
        m_refused = !isPlayableWavFile(path);
    }
    if (m_refused) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        connect(m_effect.get(), &QSoundEffect::statusChanged, this, &EffectSound::statusChanged);
    }
    if (m_effect->source() != url) {
        m_effect->setSource(url);
    }
    return true;
}

void EffectSound::preload(const QString &path)
{
    ensureSource(path);
}

void EffectSound::play(const QString &path)
{
    if (!ensureSource(path) || m_effect->status() == QSoundEffect::Error) {
        return;
    }
    // A new right answer starts the sound again from the beginning.
    m_effect->stop();
    m_effect->play();
}

bool EffectSound::isReady() const
{
    return m_effect && m_effect->status() == QSoundEffect::Ready;
}

bool EffectSound::hasFailed() const
{
    return m_refused || (m_effect && m_effect->status() == QSoundEffect::Error);
}

} // namespace bexalo
