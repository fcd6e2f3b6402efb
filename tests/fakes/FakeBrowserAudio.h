// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The browser's side of the sound, as a double: every call is written into a log the test
// keeps (the player owns the double), and a fetch waits until the test answers it.
#pragma once

#include "platform/BrowserAudio.h"

#include <QStringList>

namespace bexalo::test {

struct BrowserAudioLog {
    // "fetch NAME", "load SIZE", "start", "silence", "forget", in order.
    QStringList calls;
    BrowserAudio::Arrived arrived;
    BrowserAudio::Failed failed;

    bool pending() const { return bool(arrived); }
    // Answers the fetch under way, as the browser would.
    void arrive(const QByteArray &bytes) { take().first(bytes); }
    void fail() { take().second(); }

private:
    std::pair<BrowserAudio::Arrived, BrowserAudio::Failed> take()
    {
        auto answer = std::make_pair(std::move(arrived), std::move(failed));
        arrived = nullptr;
        failed = nullptr;
        return answer;
    }
};

class FakeBrowserAudio final : public BrowserAudio {
public:
    explicit FakeBrowserAudio(BrowserAudioLog &log) : m_log(log) {}
    void fetch(const QString &name, Arrived arrived, Failed failed) override
    {
        m_log.calls.append(QStringLiteral("fetch ") + name);
        m_log.arrived = std::move(arrived);
        m_log.failed = std::move(failed);
    }
    void load(const QByteArray &wav) override { m_log.calls.append(QStringLiteral("load %1").arg(wav.size())); }
    void start() override { m_log.calls.append(QStringLiteral("start")); }
    void silence() override { m_log.calls.append(QStringLiteral("silence")); }
    void forget() override
    {
        m_log.calls.append(QStringLiteral("forget"));
        m_log.arrived = nullptr;
        m_log.failed = nullptr;
    }

private:
    BrowserAudioLog &m_log;
};

} // namespace bexalo::test
