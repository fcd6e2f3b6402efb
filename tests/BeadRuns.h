// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What a pupil counts on one rod of an abacus: the runs of the beads' colour along a vertical
// line through the rod's beads, on screen as the window draws itself. The line passes beside
// the rod, whose red is also the colour of the tens beads.
#pragma once

#include "controls/Control.h"
#include "controls/Form.h"

#include <QImage>
#include <QtMath>
#include <algorithm>
#include <climits>

namespace bexalo::test {

// `beads` names the rod's bead array (elements 1 to 10), `colour` is #RRGGBB.
inline int beadRuns(Form &window, const char *beads, QRgb colour)
{
    int left = INT_MIN, top = INT_MAX, bottom = INT_MIN, width = INT_MAX;
    for (int i = 1; i <= 10; ++i) {
        const QWidget *bead = window.control(QString::fromUtf8(beads), i)->widget();
        const QRect r(bead->mapTo(&window, QPoint(0, 0)), bead->size());
        left = std::max(left, r.left());
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        width = std::min(width, r.width());
    }
    const QImage shot = window.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const int x = qFloor((left + width / 5) * ratio);
    int runs = 0;
    bool inBead = false;
    for (int y = qFloor(top * ratio); y < qCeil((bottom + 1) * ratio) && y < shot.height(); ++y) {
        const bool here = (shot.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        runs += here && !inBead ? 1 : 0;
        inBead = here;
    }
    return runs;
}

} // namespace bexalo::test
