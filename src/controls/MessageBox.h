// The modal message box: text, title, an information icon and one OK button. It returns only
// when the pupil has closed it.
#pragma once

#include <QString>

class QWidget;

namespace bexalo {

void showInformation(QWidget *parent, const QString &text, const QString &title);

// A lone carriage return is the line break of the message texts; Qt breaks lines at '\n'.
QString displayLineBreaks(QString text);

} // namespace bexalo
