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
    // Qt leaves the focus on a button that is hidden while nothing else can take it (after
    // "No", "A V A N T I" goes away with every counter button still disabled). The pupil
    // cannot see that button, so Space and Enter must not press it.
    if (!isVisible()) {
        event->ignore();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isVisible()) {
        setDown(false);
        event->ignore();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

} // namespace bexalo
