// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// An option button in the graphical style: it looks like a push button, looks pressed while
// selected, and forms one exclusive group with the other option buttons of its container.
// Qt's key, mouse and focus events reach the window's handlers here, and only here, in the
// form the handlers expect: key codes they may set to 0 to discard the key, no key-up between
// the key-downs of a held key, any mouse button.
#pragma once

#include "controls/Control.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QTimer>
#include <functional>
#include <memory>

namespace bexalo {

class OptionButton : public QAbstractButton, public Control {
    Q_OBJECT
public:
    OptionButton(const ControlDesign &design, QWidget *parent);

    // Handlers of the window; each receives the element's index.
    std::function<void(int index, int &keyCode, int shift)> onKeyDown;
    std::function<void(int index, int &keyAscii)> onKeyPress;
    std::function<void(int index, int keyCode, int shift)> onKeyUp;
    // Any mouse button; the handlers want neither which one nor where.
    std::function<void(int index)> onMouseDown;
    std::function<void(int index)> onMouseUp;
    std::function<void(int index)> onGotFocus;
    std::function<void(int index)> onLostFocus;

    // The selected (pressed) state.
    bool value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }
    // Drawn pressed: selected, or held down by a key or the mouse right now.
    bool looksPressed() const { return isChecked() || isDown(); }

    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override { setText(caption); }

    QSize sizeHint() const override { return size(); }

    // Whether a key-up waits a moment for a key-down that would pair with it (below): only
    // where X11 is the platform, found out on first use. Elsewhere (Windows) a held key comes
    // as key-downs marked as repeats and a key-up goes to the handlers at once.
    static bool holdsBackKeyUps();
    static void setHoldsBackKeyUps(bool holdBack);

protected:
    void checkStateSet() override;
    void nextCheckState() override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Whether the handlers were last told of a focus gain: switching windows takes Qt's focus
    // away and back, which is not a focus move inside this window.
    bool m_hasLogicalFocus = false;
    // A press reached the handlers and its release has not yet.
    bool m_pressDelivered = false;

    // Runs the key-up handler of a release held back, if any.
    void flushKeyUp();
    // X11 sends a held key as release/press pairs stamped with one time, and Qt does not always
    // mark them as auto-repeat: a release waits a moment for a press that would pair with it.
    std::unique_ptr<QKeyEvent> m_heldRelease;
    QTimer m_keyUpDelay;
};

} // namespace bexalo
