// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A sound that records what it was asked to play instead of playing it.
#pragma once

#include "platform/Sound.h"

#include <QStringList>

namespace bexalo::test {

class RecordingSound final : public Sound {
public:
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};

} // namespace bexalo::test
