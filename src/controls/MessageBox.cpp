// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

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

void showInformation(QWidget *parent, const QString &text, const QString &title, std::function<void()> afterClose)
{
    auto *box = new QMessageBox(QMessageBox::Information, title, displayLineBreaks(text), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    const QPointer<QWidget> asker(parent);
    QObject::connect(box, &QDialog::finished, box, [asker, afterClose = std::move(afterClose)] {
        // The keyboard goes back to the window that asked, also where no window manager hands
        // it back, so that a pupil without a mouse can go on.
        if (asker && asker->isVisible()) {
            asker->activateWindow();
        }
        if (afterClose) {
            afterClose();
        }
    });
    // Shown, not run in an event loop of its own: the browser has none (without asyncify), so
    // every platform, and so the desktop tests, take the browser's path. The box blocks the other
    // windows until it is closed, and its finished signal carries on.
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace bexalo
