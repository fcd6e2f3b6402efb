// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What the browser's sound player asks of the page: fetch a file, hold its decoded sound, start
// it, let it go. The web build's one adapter makes these the browser's own calls; tests hand in
// a double that records them and answers the fetch when told.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace bexalo {

class BrowserAudio {
public:
    using Arrived = std::function<void(const QByteArray &bytes)>;
    using Failed = std::function<void()>;

    virtual ~BrowserAudio() = default;
    // Fetches the file named `name` (the page knows its address: beside it, or in the page
    // itself) and later calls exactly one of arrived or failed, unless forget() comes first.
    virtual void fetch(const QString &name, Arrived arrived, Failed failed) = 0;
    // Hands over a file that passed the check, to be decoded for start().
    virtual void load(const QByteArray &wav) = 0;
    // Starts the loaded sound from its beginning, stopping it if it still plays.
    virtual void start() = 0;
    // No sound will ever play: the file was refused or did not arrive.
    virtual void silence() = 0;
    // Stops any sound and lets go of it and of a fetch still under way.
    virtual void forget() = 0;
};

} // namespace bexalo
