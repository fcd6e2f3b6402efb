// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The sound module: the program loads it on the first sound (LazySound) and asks it for the
// real player.
#include "platform/EffectSound.h"
#include "platform/LazySound.h"

extern "C" Q_DECL_EXPORT bexalo::Sound *bexaloCreateSound() { return new bexalo::EffectSound; }
