// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/OptionButton.h"

#include "controls/ButtonFace.h"
#include "controls/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPointer>

#include <optional>

namespace bexalo {

namespace {

std::optional<bool> g_holdBackKeyUps;

} // namespace

bool OptionButton::holdsBackKeyUps()
{
    if (!g_holdBackKeyUps) {
        g_holdBackKeyUps = QGuiApplication::platformName() == QLatin1String("xcb");
    }
    return *g_holdBackKeyUps;
}

void OptionButton::setHoldsBackKeyUps(bool holdBack) { g_holdBackKeyUps = holdBack; }

OptionButton::OptionButton(const ControlDesign &design, QWidget *parent)
    : QAbstractButton(parent), Control(design, this)
{
    // The exclusive group is kept by checkStateSet(): Qt's own auto-exclusive groups take the
    // unselected options out of the Tab order, and every option here is a Tab stop.
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    m_keyUpDelay.setSingleShot(true);
    m_keyUpDelay.setInterval(25);
    connect(&m_keyUpDelay, &QTimer::timeout, this, &OptionButton::flushKeyUp);
    setText(QString::fromUtf8(design.caption));
    applyPalette();
}

bool OptionButton::event(QEvent *event)
{
    // A press whose handler disables the option (its frame goes inactive) still gets its
    // release, which Qt would drop for a disabled widget: the handlers pair the two.
    if (event->type() == QEvent::MouseButtonRelease && !isEnabled() && m_pressDelivered) {
        mouseReleaseEvent(static_cast<QMouseEvent *>(event));
        return true;
    }
    return QAbstractButton::event(event);
}

void OptionButton::checkStateSet()
{
    QAbstractButton::checkStateSet();
    if (!isChecked() || !parentWidget()) {
        return;
    }
    // One exclusive group per container.
    for (QObject *sibling : parentWidget()->children()) {
        auto *other = qobject_cast<OptionButton *>(sibling);
        if (other && other != this && other->isChecked()) {
            other->setChecked(false);
        }
    }
}

void OptionButton::nextCheckState()
{
    // Clicking an option selects it; only another option of the group deselects it.
    setChecked(true);
}

void OptionButton::paintEvent(QPaintEvent *) { paintButtonFace(*this, looksPressed()); }

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    QPointer<OptionButton> self(this);
    if (m_heldRelease) {
        if (m_heldRelease->key() == event->key() && m_heldRelease->timestamp() == event->timestamp()) {
            // The release was half of an auto-repeat pair: the key is still down.
            m_keyUpDelay.stop();
            m_heldRelease.reset();
        } else {
            flushKeyUp();
            if (!self) {
                return;
            }
        }
    }
    int keyCode = virtualKeyCode(*event);
    if (onKeyDown) {
        onKeyDown(index(), keyCode, shiftState(*event));
        if (!self) {
            return;
        }
    }
    // A key the handler discarded has no effect at all; one it left alone gets the button's
    // own treatment at once, before the character it types, as a key-down is handled before
    // its character. So a Space that presses the button down is let go again when the
    // key-press handler then moves the focus on, and no option is left drawn pressed.
    if (keyCode == 0) {
        event->accept();
    } else {
        QAbstractButton::keyPressEvent(event);
        if (!self) {
            return;
        }
    }
    int ascii = characterCode(*event);
    if (ascii != 0 && onKeyPress) {
        onKeyPress(index(), ascii);
    }
}

void OptionButton::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats as press/release pairs; the handlers see only the key-downs, and one
    // key-up when the key is really let go.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    QPointer<OptionButton> self(this);
    flushKeyUp();
    if (!self) {
        return;
    }
    event->accept();
    m_heldRelease.reset(event->clone());
    if (holdsBackKeyUps()) {
        m_keyUpDelay.start();
    } else {
        flushKeyUp();
    }
}

void OptionButton::flushKeyUp()
{
    if (!m_heldRelease) {
        return;
    }
    m_keyUpDelay.stop();
    const std::unique_ptr<QKeyEvent> release = std::move(m_heldRelease);
    QPointer<OptionButton> self(this);
    if (onKeyUp) {
        onKeyUp(index(), virtualKeyCode(*release), shiftState(*release));
        if (!self) {
            return;
        }
    }
    QAbstractButton::keyReleaseEvent(release.get());
}

void OptionButton::mousePressEvent(QMouseEvent *event)
{
    // Any button chooses, on the press; a key let go before comes first.
    QPointer<OptionButton> self(this);
    flushKeyUp();
    if (!self) {
        return;
    }
    event->accept();
    m_pressDelivered = true;
    if (event->button() == Qt::LeftButton) {
        setChecked(true);
    }
    if (onMouseDown) {
        onMouseDown(index());
    }
}

void OptionButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    m_pressDelivered = false;
    if (onMouseUp) {
        onMouseUp(index());
    }
}

void OptionButton::mouseMoveEvent(QMouseEvent *event) { event->accept(); }

void OptionButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    if (m_hasLogicalFocus) {
        return;
    }
    m_hasLogicalFocus = true;
    if (onGotFocus) {
        onGotFocus(index());
    }
}

void OptionButton::focusOutEvent(QFocusEvent *event)
{
    // A key let go here belongs to this option, before the focus leaves it.
    QPointer<OptionButton> self(this);
    flushKeyUp();
    if (!self) {
        return;
    }
    QAbstractButton::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    m_hasLogicalFocus = false;
    if (onLostFocus) {
        onLostFocus(index());
    }
}

} // namespace bexalo
