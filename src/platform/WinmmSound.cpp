// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/WinmmSound.h"

#include "platform/WavCheck.h"

#include <QDir>

#include <windows.h>
#include <mmsystem.h>

namespace bexalo {

namespace {

int systemPlay(const wchar_t *path, unsigned flags) { return ::PlaySoundW(path, nullptr, flags); }

} // namespace

const unsigned WinmmSound::kFlags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;

WinmmSound::WinmmSound(PlayCall call) : m_call(call ? call : systemPlay) {}

void WinmmSound::play(const QString &path)
{
    // Read again on every sound: the file beside the program may have changed meanwhile.
    if (!isPlayableWavFile(path)) {
        return;
    }
    const QString native = QDir::toNativeSeparators(path);
    m_call(reinterpret_cast<const wchar_t *>(native.utf16()), kFlags);
}

} // namespace bexalo
