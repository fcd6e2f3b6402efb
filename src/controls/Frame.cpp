// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Frame.h"

#include <QPainter>

namespace bexalo {

Frame::Frame(const ControlDesign &design, QWidget *parent)
    : QWidget(parent), Control(design, this), m_caption(QString::fromUtf8(design.caption)),
      m_border(design.border != Border::None)
{
    setFocusPolicy(Qt::NoFocus);
    applyPalette();
}

void Frame::setBorder(bool border)
{
    if (m_border != border) {
        m_border = border;
        update();
    }
}

void Frame::setCaption(const QString &caption)
{
    if (m_caption != caption) {
        m_caption = caption;
        update();
    }
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const QFontMetrics fm(font());
    const int captionHeight = m_caption.isEmpty() ? 0 : fm.height();
    if (m_border) {
        // The line runs through the middle of the caption, as on a group box.
        const int top = captionHeight / 2;
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(QRect(0, top, QWidget::width() - 1, QWidget::height() - 1 - top));
    }
    if (!m_caption.isEmpty()) {
        const int x = 8;
        const int w = fm.horizontalAdvance(m_caption) + 4;
        p.fillRect(QRect(x - 2, 0, w, captionHeight), palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(QRect(x, 0, w, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }
}

} // namespace bexalo
