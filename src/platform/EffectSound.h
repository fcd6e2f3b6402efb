// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The real success sound: Qt Multimedia's QSoundEffect, which decodes and plays in the
// background. Created on first use so that start-up does not wait for the audio system. The
// file is looked at again on every play, so one put right or replaced while the program runs
// is heard at the next right answer.
#pragma once

#include "platform/Sound.h"

#include <QDateTime>
#include <QObject>
#include <memory>

class QSoundEffect;

namespace bexalo {

class EffectSound final : public QObject, public Sound {
    Q_OBJECT
public:
    explicit EffectSound(QObject *parent = nullptr);
    ~EffectSound() override;

    void play(const QString &path) override;
    // Starts loading the file so that the first play starts at once.
    void preload(const QString &path);
    // Whether the file has been decoded and is ready to play.
    bool isReady() const;
    // Whether the sound is being played right now.
    bool isPlaying() const;
    // Whether loading the file failed (missing or unplayable).
    bool hasFailed() const;

signals:
    void statusChanged();

private:
    bool ensureSource(const QString &path);

    // What tells one version of the file from another without reading it.
    struct FileStamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp &) const = default;
    };
    static FileStamp stampOf(const QString &path);

    std::unique_ptr<QSoundEffect> m_effect;
    QString m_path;
    FileStamp m_stamp;
    int m_version = 0;
    bool m_refused = false;
};

} // namespace bexalo
