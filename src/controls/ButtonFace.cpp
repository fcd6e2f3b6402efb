// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/ButtonFace.h"

#include <QAbstractButton>
#include <QPainter>
#include <qdrawutil.h>

namespace bexalo {

void paintButtonFace(QAbstractButton &button, bool sunken)
{
    QPainter p(&button);
    const QRect r = button.rect();
    // The classic bevel in the classic greys whatever the style's palette: white and black
    // outside, grey inside, on the face in the button's BackColor.
    QPalette bevel = button.palette();
    bevel.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    bevel.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    bevel.setColor(QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    p.fillRect(r, bevel.color(QPalette::Button));
    qDrawWinButton(&p, r, bevel, sunken);

    QRect textRect = r.adjusted(3, 3, -3, -3);
    if (sunken) {
        textRect.translate(1, 1);
    }
    p.setFont(button.font());
    p.setPen(bevel.color(button.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, button.text());

    // The classic dotted focus frame, drawn here: the Fusion style's PE_FrameFocusRect tints
    // the whole face inside it, and draws nothing at all after a mouse click.
    if (button.hasFocus()) {
        QPen focusPen(QColor(0x00, 0x00, 0x00));
        focusPen.setStyle(Qt::DotLine);
        p.setPen(focusPen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace bexalo
