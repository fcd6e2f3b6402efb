// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "layout/Resize.h"

#include "controls/Form.h"

#include <algorithm>

namespace bexalo {

float captureRatio(float value, float inner)
{
    if (inner == 0.0f) {
        return 0.0f;
    }
    return value / inner;
}

bool layoutSkips(ControlKind kind) { return kind == ControlKind::Timer || kind == ControlKind::Menu; }

namespace Resize {

std::vector<ControlGeometry> capture(const Form &form)
{
    const std::vector<Control *> &controls = form.controls();
    std::vector<ControlGeometry> geometrie(controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control &c = *controls[i];
        if (!c.hasGeometry()) {
            continue; // a control without these properties keeps its fields at 0
        }
        ControlGeometry &g = geometrie[i];
        g.widthRatio = captureRatio(float(c.width()), float(form.scaleWidth()));
        g.heightRatio = captureRatio(float(c.height()), float(form.scaleHeight()));
        g.leftRatio = captureRatio(float(c.left()), float(form.scaleWidth()));
        g.topRatio = captureRatio(float(c.top()), float(form.scaleHeight()));
    }
    return geometrie;
}

void apply(Form &form, const std::vector<ControlGeometry> &geometrie)
{
    const std::vector<Control *> &controls = form.controls();
    const size_t count = std::min(controls.size(), geometrie.size());
    for (size_t i = 0; i < count; ++i) {
        Control &c = *controls[i];
        if (layoutSkips(c.kind())) {
            continue;
        }
        const float w = float(form.scaleWidth());
        const float h = float(form.scaleHeight());
        const ControlGeometry &g = geometrie[i];
        c.move(applyRatio(w, g.leftRatio), applyRatio(h, g.topRatio), applyRatio(w, g.widthRatio),
               applyRatio(h, g.heightRatio));
    }
}

} // namespace Resize

} // namespace bexalo
