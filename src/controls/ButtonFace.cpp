#include "controls/ButtonFace.h"

#include <QAbstractButton>
#include <QPainter>

namespace bexalo {

void paintButtonFace(QAbstractButton &button, bool sunken)
{
    QPainter p(&button);
    const QRect r = button.rect();
    const QPalette &pal = button.palette();
    p.fillRect(r, pal.color(QPalette::Button));

    const QColor light(0xFF, 0xFF, 0xFF);
    const QColor dark(0x80, 0x80, 0x80);
    const QColor darker(0x00, 0x00, 0x00);
    const QColor &topLeft = sunken ? darker : light;
    const QColor &bottomRight = sunken ? light : darker;
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(dark);
    if (sunken) {
        p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    } else {
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }

    QRect textRect = r.adjusted(3, 3, -3, -3);
    if (sunken) {
        textRect.translate(1, 1);
    }
    p.setFont(button.font());
    p.setPen(pal.color(button.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, button.text());

    if (button.hasFocus()) {
        QPen focusPen(darker);
        focusPen.setStyle(Qt::DotLine);
        p.setPen(focusPen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace bexalo
