// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A window of the program: built from its control table, it keeps every control in one
// collection in creation order (timers and menu items too), reports its client size in twips,
// and turns Qt's window events into Load, Resize and Unload.
#pragma once

#include "controls/Control.h"
#include "controls/ControlDesign.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace bexalo {

class CommandButton;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const FormDesign &design, QWidget *parent = nullptr);
    ~Form() override;

    const std::vector<Control *> &controls() const { return m_controls; }
    // The control `name` (element `index`), or nullptr when the window has none such.
    Control *control(const QString &name, int index = -1) const;
    // A control the window's own code is written against. A name or class that does not match
    // the table is a programming error: it stops the program at once, in every build, with the
    // window's and the control's names, instead of a null pointer failing somewhere later.
    template <class T> T *get(const char *name, int index = -1) const
    {
        Control *found = control(QString::fromUtf8(name), index);
        T *typed = dynamic_cast<T *>(found);
        if (!typed) {
            missingControl(name, index, found != nullptr);
        }
        return typed;
    }

    // The client area in twips; 0 while the window is minimised.
    int scaleWidth() const;
    int scaleHeight() const;
    // The width including the window's border, in twips.
    int outerWidth() const;
    // The design client area of the table, in twips.
    int designWidth() const { return m_designWidth; }
    int designHeight() const { return m_designHeight; }

    // Creates the window's state and runs Form_Load, once; the window stays hidden.
    void load();
    bool isLoaded() const { return m_loaded && !m_unloading; }
    // Shows the window without blocking the others, or brings it to the front.
    void showModeless();
    // Closes the window: runs Form_Unload, then the window goes away.
    void unload();

    // Esc presses this button while it is visible and enabled.
    void setCancelButton(CommandButton *button) { m_cancelButton = button; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_Unload() {}

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    [[noreturn]] void missingControl(const char *name, int index, bool wrongClass) const;

    std::vector<Control *> m_controls;
    std::vector<std::unique_ptr<Control>> m_ownedControls;
    CommandButton *m_cancelButton = nullptr;
    int m_designWidth;
    int m_designHeight;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_placed = false;
};

} // namespace bexalo
