// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/SessionBus.h"

#include <QFileInfo>
#include <QtGlobal>

namespace bexalo {

namespace {

constexpr char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";
// No transport of that name exists: the library reports the bus as unreachable.
constexpr char kNoBus[] = "disabled:";

} // namespace

bool sessionBusPresent(const QByteArray &address, const QByteArray &runtimeDir)
{
    if (!address.trimmed().isEmpty()) {
        return true;
    }
    if (runtimeDir.isEmpty()) {
        return false;
    }
    // Where systemd and dbus-user-session put the user's bus; the library finds it there.
    const QFileInfo socket(QString::fromLocal8Bit(runtimeDir + "/bus"));
    return socket.exists() && !socket.isDir() && !socket.isFile();
}

void keepFromLaunchingASessionBus()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!sessionBusPresent(qgetenv(kAddressVariable), qgetenv("XDG_RUNTIME_DIR"))) {
        qputenv(kAddressVariable, kNoBus);
    }
#endif
}

} // namespace bexalo
