// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The fetches a player has asked of the browser, whose answers come later through C callbacks
// that carry one opaque pointer. An answer reaches its callbacks only if the player has not let
// go of its fetches in the meantime (a new sound, or the player gone).
#pragma once

#include "platform/BrowserAudio.h"

#include <memory>

namespace bexalo {

class FetchRequests {
public:
    // A request to hand to the browser as its opaque pointer. Exactly one of arrived() or
    // failed() must later be called with it: that frees it.
    void *open(BrowserAudio::Arrived arrived, BrowserAudio::Failed failed);
    // Every request still open is dropped: its answer, when it comes, reaches nobody.
    void forgetAll();

    // Shaped as the browser's callbacks want them.
    static void arrived(void *request, void *data, int size);
    static void failed(void *request);

private:
    struct Request;
    std::shared_ptr<char> m_alive = std::make_shared<char>();
};

} // namespace bexalo
