#include "controls/Label.h"

namespace bexalo {

Label::Label(const ControlSpec &spec, QWidget *parent)
    : QLabel(parent), Control(spec, this)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | (spec.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
    setAutoFillBackground(!spec.transparent);
    setFocusPolicy(Qt::NoFocus);
    setMargin(0);
    setIndent(0);
    if (spec.border == Border::Single) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    if (*spec.toolTip) {
        setToolTip(QString::fromUtf8(spec.toolTip));
    }
    QLabel::setText(QString::fromUtf8(spec.caption));
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
