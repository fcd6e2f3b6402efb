// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The one builder that turns a window's control table into widgets: every control of the
// table in creation order, with its container, geometry, look, stacking and tab order.
#pragma once

#include "controls/Control.h"
#include "controls/ControlDesign.h"

#include <QFont>
#include <memory>
#include <span>
#include <vector>

class QWidget;

namespace bexalo {

struct BuiltControls {
    std::vector<Control *> collection;           // creation order
    std::vector<std::unique_ptr<Control>> owned; // controls that are no QObject (menu items)
};

// `pictures` draws the pictures the table's images name; nullptr for a table without any.
BuiltControls buildControls(QWidget &window, std::span<const ControlDesign> table, PictureSource pictures);

QFont makeFont(const FontDesign &design, const QFont &inherited);

} // namespace bexalo
