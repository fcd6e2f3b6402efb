// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What every control of a window has in common, whatever its class: its name and index, its
// place in the window's collection, its geometry in twips and the properties the handlers use.
#pragma once

#include "controls/ControlDesign.h"

#include <QString>

class QWidget;

namespace bexalo {

class Control {
public:
    Control(const ControlDesign &design, QWidget *self);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return m_name; }
    int index() const { return m_index; }
    ControlKind kind() const { return m_kind; }
    const QString &containerName() const { return m_container; }
    int tabIndex() const { return m_tabIndex; }
    // "Option1(0)" or "Frame1", as the handlers and messages name it.
    QString displayName() const;

    // The widget that stands for the control; nullptr for timers and menu items.
    QWidget *widget() const { return m_widget; }
    bool hasGeometry() const { return m_widget != nullptr; }

    // Geometry in twips as the toolkit applied it (whole pixels); 0 without geometry.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    // Move-and-size in one call; the values are rounded to whole pixels.
    virtual void move(float left, float top, float width, float height);

    // Visible as the control's own flag, whether or not its window is on screen.
    bool isShown() const;
    void setShown(bool shown);

    virtual QString caption() const { return {}; }
    virtual void setCaption(const QString &) {}
    Colour backColor() const { return m_backColor; }
    virtual void setBackColor(Colour colour);
    Colour foreColor() const { return m_foreColor; }
    virtual void setForeColor(Colour colour);

    // What a screen reader says for the control; the caption stays as it is.
    virtual void setAccessibleText(const QString &name, const QString &description);

protected:
    void applyPalette();

private:
    QString m_name;
    QString m_container;
    int m_index;
    ControlKind m_kind;
    int m_tabIndex;
    Colour m_backColor;
    Colour m_foreColor;
    QWidget *m_widget;
};

} // namespace bexalo
