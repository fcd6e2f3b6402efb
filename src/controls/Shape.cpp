// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Shape.h"

#include "controls/Colours.h"

#include <QPainter>

namespace bexalo {

Shape::Shape(const ControlDesign &design, QWidget *parent)
    : QWidget(parent), Control(design, this), m_borderWidth(std::max(1, design.borderWidth))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal half = m_borderWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    const qreal radius = std::min(r.width(), r.height()) / 6.0;
    p.setPen(QPen(palette().color(QPalette::WindowText), m_borderWidth));
    p.setBrush(backColor() == kDefaultColour ? palette().color(QPalette::Window) : toQColor(backColor()));
    p.drawRoundedRect(r, radius, radius);
}

} // namespace bexalo
