// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/PictureBox.h"

#include "controls/Twips.h"

#include <QEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace bexalo {

PictureBox::PictureBox(const ControlDesign &design, QWidget *parent)
    : QWidget(parent), Control(design, this), m_dock(design.dock), m_edge(design.border != Border::None)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    applyPalette();
    if (m_dock != Dock::None && parent) {
        // Docking follows every change of the window's size, whoever makes it.
        parent->installEventFilter(this);
    }
}

bool PictureBox::setWidthTwips(float width)
{
    if (!(width >= 0.0f)) {
        return false;
    }
    if (m_dock == Dock::None) {
        resize(twipsToPixels(width), this->QWidget::height());
    } else {
        applyDock(twipsToPixels(width));
    }
    return true;
}

void PictureBox::move(float left, float top, float width, float height)
{
    if (m_dock == Dock::None) {
        Control::move(left, top, width, height);
        return;
    }
    applyDock(std::max(0, twipsToPixels(width)));
}

void PictureBox::applyDock(int widthPixels)
{
    const QWidget *parent = parentWidget();
    if (!parent) {
        return;
    }
    const int x = m_dock == Dock::Left ? 0 : parent->width() - widthPixels;
    setGeometry(x, 0, widthPixels, parent->height());
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (!m_edge) {
        return;
    }
    // The sunken edge of a classic picture panel, two pixels inside the control's own area, so
    // that panels stacked against each other (the beads on a rod) are told apart. The colours
    // are the classic 3D ones, whatever the desktop's style.
    QPalette edge = palette();
    edge.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    edge.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    edge.setColor(QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    edge.setColor(QPalette::Midlight, QColor(0xC0, 0xC0, 0xC0));
    QPainter p(this);
    qDrawWinPanel(&p, rect(), edge, true);
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        applyDock(QWidget::width());
    }
    return false;
}

} // namespace bexalo
