// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The yardstick of the performance figures: one empty Qt Widgets window, the size of the start
// window (794 x 554), built with the same Qt and flags as bexalo and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(794, 554);
    window.setVisible(true); // as shown, not in a platform's default state (full page in a browser)
    return app.exec();
}
