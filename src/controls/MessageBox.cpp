#include "controls/MessageBox.h"

#include <QMessageBox>
#include <QPointer>

namespace bexalo {

QString displayLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void showInformation(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, displayLineBreaks(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    const QPointer<QWidget> asker(parent);
    box.exec();
    // The keyboard goes back to the window that asked, also where no window manager hands it
    // back, so that a pupil without a mouse can go on.
    if (asker && asker->isVisible()) {
        asker->activateWindow();
    }
}

} // namespace bexalo
