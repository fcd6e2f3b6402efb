// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/BrowserSound.h"

#include "platform/WavCheck.h"

#include <QFileInfo>

#include <emscripten.h>

// The decoded sound lives on the JavaScript side, in one slot of the module; a new start
// stops the one still playing. The audio context is made on first use and resumed on every
// start: browsers let it run once the page has had a click or a tap.
// JavaScript, not C++: the formatter keeps out.
// clang-format off
EM_JS(void, bexalo_sound_load, (const void *data, int size), {
    const bytes = HEAPU8.slice(data, data + size);
    const ctx = Module.bexaloAudio || (Module.bexaloAudio = new AudioContext());
    Module.bexaloSound = ctx.decodeAudioData(bytes.buffer).catch(() => null);
});

EM_JS(void, bexalo_sound_start, (), {
    const ctx = Module.bexaloAudio;
    if (!ctx || !Module.bexaloSound)
        return;
    Module.bexaloSound.then((buffer) => {
        if (!buffer)
            return;
        if (Module.bexaloPlaying) {
            try { Module.bexaloPlaying.stop(); } catch (e) {}
        }
        const source = ctx.createBufferSource();
        source.buffer = buffer;
        source.connect(ctx.destination);
        ctx.resume().catch(() => {});
        source.start();
        Module.bexaloPlaying = source;
    });
});

EM_JS(void, bexalo_sound_forget, (), {
    if (Module.bexaloPlaying) {
        try { Module.bexaloPlaying.stop(); } catch (e) {}
    }
    Module.bexaloPlaying = null;
    Module.bexaloSound = null;
});
// clang-format on

namespace bexalo {

BrowserSound::~BrowserSound() { bexalo_sound_forget(); }

void BrowserSound::play(const QString &path)
{
    switch (m_state) {
    case State::NotFetched:
        m_state = State::Fetching;
        m_playWhenReady = true;
        m_url = QFileInfo(path).fileName().toUtf8();
        emscripten_async_wget_data(m_url.constData(), this, &BrowserSound::fetched, &BrowserSound::failed);
        break;
    case State::Fetching:
        m_playWhenReady = true;
        break;
    case State::Ready:
        bexalo_sound_start();
        break;
    case State::Silent:
        break;
    }
}

void BrowserSound::fetched(void *self, void *data, int size)
{
    auto *sound = static_cast<BrowserSound *>(self);
    const QByteArray bytes = QByteArray::fromRawData(static_cast<const char *>(data), size);
    if (!isCompletePcmWav(bytes, size)) {
        sound->m_state = State::Silent;
        return;
    }
    bexalo_sound_load(data, size);
    sound->m_state = State::Ready;
    if (sound->m_playWhenReady) {
        sound->m_playWhenReady = false;
        bexalo_sound_start();
    }
}

void BrowserSound::failed(void *self) { static_cast<BrowserSound *>(self)->m_state = State::Silent; }

} // namespace bexalo
