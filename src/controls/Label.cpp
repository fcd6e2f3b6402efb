// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Label.h"

namespace bexalo {

Label::Label(const ControlDesign &design, QWidget *parent) : QLabel(parent), Control(design, this)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | (design.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
    setAutoFillBackground(!design.transparent);
    setFocusPolicy(Qt::NoFocus);
    setMargin(0);
    setIndent(0);
    if (design.border == Border::Single) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    if (*design.toolTip) {
        setToolTip(QString::fromUtf8(design.toolTip));
    }
    QLabel::setText(QString::fromUtf8(design.caption));
    applyPalette();
}

void Label::setCaption(const QString &caption)
{
    if (text() != caption) {
        setText(caption);
        nameWithValue();
    }
}

void Label::setAccessibleText(const QString &name, const QString &description)
{
    m_valueName = name;
    setAccessibleDescription(description);
    nameWithValue();
}

void Label::nameWithValue()
{
    if (m_valueName.isEmpty()) {
        return; // Qt reads the caption itself
    }
    const QString value = text().trimmed();
    setAccessibleName(value.isEmpty() ? m_valueName : m_valueName + QStringLiteral(": ") + value);
}

} // namespace bexalo
