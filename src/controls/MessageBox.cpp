#include "controls/MessageBox.h"

#include <QMessageBox>

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
    box.exec();
}

} // namespace bexalo
