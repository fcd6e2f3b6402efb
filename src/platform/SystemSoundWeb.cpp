// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The web: the browser fetches the file from where the page says it is (beside the page, or
// in the page itself) and plays it through its own audio. This is the one adapter from the
// sound player's requests to the browser's calls.
#include "platform/BrowserAudio.h"
#include "platform/BrowserSound.h"
#include "platform/FetchRequests.h"
#include "platform/SystemSound.h"

#include <emscripten.h>

#include <memory>
#include <utility>

// The decoded sound lives on the JavaScript side, in one slot of the module; a new start
// stops the one still playing. The audio context is made on first use and resumed on every
// start: browsers let it run once the page has had a click or a tap. What became of the file
// shows in globalThis.bexaloSoundState ("fetching", "ready", "silent") for the page's tests.
// JavaScript, not C++: the formatter keeps out.
// clang-format off
EM_JS(int, bexalo_sound_address, (const char *name, char *out, int size), {
    const file = UTF8ToString(name);
    const address = typeof bexaloSoundAddress === 'function' ? bexaloSoundAddress(file) : file;
    globalThis.bexaloSoundState = 'fetching';
    const needed = lengthBytesUTF8(address) + 1;
    if (needed <= size)
        stringToUTF8(address, out, size);
    return needed;
});

EM_JS(void, bexalo_sound_load, (const void *data, int size), {
    const bytes = HEAPU8.slice(data, data + size);
    const ctx = Module.bexaloAudio || (Module.bexaloAudio = new AudioContext());
    Module.bexaloSound = ctx.decodeAudioData(bytes.buffer).catch(() => null);
    Module.bexaloSound.then((buffer) => {
        globalThis.bexaloSoundState = buffer ? 'ready' : 'silent';
    });
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

EM_JS(void, bexalo_sound_silence, (), {
    Module.bexaloSound = null;
    globalThis.bexaloSoundState = 'silent';
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

namespace {

class EmscriptenAudio final : public BrowserAudio {
public:
    void fetch(const QString &name, Arrived arrived, Failed failed) override
    {
        const QByteArray file = name.toUtf8();
        QByteArray address(256, '\0');
        const int needed = bexalo_sound_address(file.constData(), address.data(), int(address.size()));
        if (needed > address.size()) {
            address.resize(needed);
            bexalo_sound_address(file.constData(), address.data(), int(address.size()));
        }
        // The answer may come after forget(): it then reaches nobody.
        emscripten_async_wget_data(address.constData(), m_requests.open(std::move(arrived), std::move(failed)),
                                   &FetchRequests::arrived, &FetchRequests::failed);
    }
    void load(const QByteArray &wav) override { bexalo_sound_load(wav.constData(), int(wav.size())); }
    void start() override { bexalo_sound_start(); }
    void silence() override { bexalo_sound_silence(); }
    void forget() override
    {
        m_requests.forgetAll();
        bexalo_sound_forget();
    }

private:
    FetchRequests m_requests;
};

} // namespace

std::unique_ptr<Sound> makeSystemSound(const QString &)
{
    return std::make_unique<BrowserSound>(std::make_unique<EmscriptenAudio>());
}

} // namespace bexalo
