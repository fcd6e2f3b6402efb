// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// How a screen reader sees the control classes Qt cannot judge by itself: an option button is a
// radio button (Qt would call any checkable button a check box), a frame is a group, an image a
// graphic. Installed once, before the first window is built.
#pragma once

namespace bexalo {

void installAccessibleFactory();

} // namespace bexalo
