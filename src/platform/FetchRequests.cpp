// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers
#include "platform/FetchRequests.h"

#include <utility>

namespace bexalo {

struct FetchRequests::Request {
    std::weak_ptr<char> alive;
    BrowserAudio::Arrived arrived;
    BrowserAudio::Failed failed;
};

void *FetchRequests::open(BrowserAudio::Arrived arrived, BrowserAudio::Failed failed)
{
    return new Request{m_alive, std::move(arrived), std::move(failed)};
}

void FetchRequests::forgetAll() { m_alive = std::make_shared<char>(); }

void FetchRequests::arrived(void *request, void *data, int size)
{
    const std::unique_ptr<Request> owned(static_cast<Request *>(request));
    if (!owned->alive.expired()) {
        owned->arrived(QByteArray(static_cast<const char *>(data), size));
    }
}

void FetchRequests::failed(void *request)
{
    const std::unique_ptr<Request> owned(static_cast<Request *>(request));
    if (!owned->alive.expired()) {
        owned->failed();
    }
}

} // namespace bexalo
