#include "controls/PictureBox.h"

#include "controls/Twips.h"

#include <QEvent>

namespace bexalo {

PictureBox::PictureBox(const ControlSpec &design, QWidget *parent)
    : QWidget(parent), Control(design, this), m_dock(design.dock)
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

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        applyDock(QWidget::width());
    }
    return false;
}

} // namespace bexalo
