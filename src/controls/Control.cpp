// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Control.h"

#include "controls/Colours.h"
#include "controls/Twips.h"

#include <QWidget>

namespace bexalo {

Control::Control(const ControlDesign &design, QWidget *self)
    : m_name(QString::fromUtf8(design.name)), m_container(QString::fromUtf8(design.container)), m_index(design.index),
      m_kind(design.kind), m_tabIndex(design.tabIndex), m_backColor(design.backColor), m_foreColor(design.foreColor),
      m_widget(self)
{
    if (m_widget) {
        m_widget->setObjectName(m_index < 0 ? m_name : m_name + QLatin1Char('_') + QString::number(m_index));
    }
}

QString Control::displayName() const
{
    return m_index < 0 ? m_name : m_name + QLatin1Char('(') + QString::number(m_index) + QLatin1Char(')');
}

int Control::left() const { return m_widget ? pixelsToTwips(m_widget->x()) : 0; }
int Control::top() const { return m_widget ? pixelsToTwips(m_widget->y()) : 0; }
int Control::width() const { return m_widget ? pixelsToTwips(m_widget->width()) : 0; }
int Control::height() const { return m_widget ? pixelsToTwips(m_widget->height()) : 0; }

void Control::move(float left, float top, float width, float height)
{
    if (!m_widget) {
        return;
    }
    m_widget->setGeometry(twipsToPixels(left), twipsToPixels(top), std::max(0, twipsToPixels(width)),
                          std::max(0, twipsToPixels(height)));
}

bool Control::isShown() const { return m_widget && !m_widget->isHidden(); }

void Control::setShown(bool shown)
{
    if (m_widget && m_widget->isHidden() == shown) {
        m_widget->setVisible(shown);
    }
}

void Control::setBackColor(Colour colour)
{
    if (colour == m_backColor) {
        return;
    }
    m_backColor = colour;
    applyPalette();
}

void Control::setForeColor(Colour colour)
{
    if (colour == m_foreColor) {
        return;
    }
    m_foreColor = colour;
    applyPalette();
}

void Control::setAccessibleText(const QString &name, const QString &description)
{
    if (m_widget) {
        m_widget->setAccessibleName(name);
        m_widget->setAccessibleDescription(description);
    }
}

void Control::applyPalette()
{
    if (!m_widget) {
        return;
    }
    QPalette pal = m_widget->palette();
    if (m_backColor != kDefaultColour) {
        pal.setColor(QPalette::Window, toQColor(m_backColor));
        pal.setColor(QPalette::Button, toQColor(m_backColor));
    }
    if (m_foreColor != kDefaultColour) {
        pal.setColor(QPalette::WindowText, toQColor(m_foreColor));
        pal.setColor(QPalette::ButtonText, toQColor(m_foreColor));
    }
    m_widget->setPalette(pal);
    m_widget->update();
}

} // namespace bexalo
