// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/CommandButton.h"

#include "controls/ButtonFace.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace bexalo {

CommandButton::CommandButton(const ControlDesign &design, QWidget *parent)
    : QAbstractButton(parent), Control(design, this)
{
    setFocusPolicy(Qt::StrongFocus);
    setText(QString::fromUtf8(design.caption));
    applyPalette();
    connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

void CommandButton::paintEvent(QPaintEvent *) { paintButtonFace(*this, isDown()); }

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Qt leaves the focus on a button that is hidden while nothing else can take it (after
    // "No", "A V A N T I" goes away with every counter button still disabled). The pupil
    // cannot see that button, so Space and Enter must not press it.
    if (!isVisible()) {
        event->ignore();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isVisible()) {
        setDown(false);
        event->ignore();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void CommandButton::hideEvent(QHideEvent *event)
{
    QAbstractButton::hideEvent(event);
    // Qt moves the focus off a disappearing button only to a control that can take it at that
    // very moment, and handlers often enable the next one a step later (after "No" the counter
    // buttons): once the handler is done, the focus goes on along the Tab order. A message box
    // the handler opened has the keyboard meanwhile, and the window gets it back when it closes.
    if (hasFocus()) {
        QTimer::singleShot(0, this, [this] {
            if (hasFocus() && !isVisible() && window()->isVisible() && !QApplication::activeModalWidget()) {
                focusNextChild();
            }
        });
    }
}

} // namespace bexalo
