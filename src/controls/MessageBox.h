// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The modal message box: text, title, an information icon and one OK button. While it is up
// nothing else of the program takes input; what follows it runs once it has been closed.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace bexalo {

// Shows the box and returns at once, on every platform; `afterClose` runs once the pupil has
// closed it (from the box's finished signal).
void showInformation(QWidget *parent, const QString &text, const QString &title, std::function<void()> afterClose = {});

// A lone carriage return is the line break of the message texts; Qt breaks lines at '\n'.
QString displayLineBreaks(QString text);

} // namespace bexalo
