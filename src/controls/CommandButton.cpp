#include "controls/CommandButton.h"

#include "controls/ButtonFace.h"

#include <QKeyEvent>

namespace bexalo {

CommandButton::CommandButton(const ControlSpec &spec, QWidget *parent)
    : QAbstractButton(parent), Control(spec, this)
{
    setFocusPolicy(Qt::StrongFocus);
    setText(QString::fromUtf8(spec.caption));
    applyPalette();
    connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    paintButtonFace(*this, isDown());
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace bexalo
