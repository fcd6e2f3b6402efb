// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The D-Bus session bus, which the accessibility bridge uses to reach screen readers. Where
// there is none (a login without a desktop session, ssh -X, a kiosk script), the D-Bus library
// would launch a bus daemon of its own, which writes into the user's home: no screen reader can
// be listening on a bus we started, so the program makes sure none is started.
#pragma once

#include <QByteArray>

namespace bexalo {

// Whether a session bus is there to talk to: its address is in the environment, or the
// user's bus socket lies in the runtime folder (`runtimeDir`, empty if unknown).
bool sessionBusPresent(const QByteArray &address, const QByteArray &runtimeDir);

// Called before the application is created: with no session bus present, gives the D-Bus
// library an address that it refuses at once instead of launching a bus.
void keepFromLaunchingASessionBus();

} // namespace bexalo
