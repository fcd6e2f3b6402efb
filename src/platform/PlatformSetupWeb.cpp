// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The web: the page is the screen. The fonts the windows name come with the program (the
// metric-compatible Liberation fonts), every window stays inside the page when it opens and
// when the page changes size, and at the end the page says that bexalo has ended.
#include "platform/PlatformSetup.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include <emscripten.h>

// JavaScript, not C++: the formatter keeps out.
// clang-format off
EM_JS(void, bexalo_page_ended, (), {
    if (typeof bexaloProgramEnded === 'function')
        bexaloProgramEnded();
});
// clang-format on

namespace bexalo {

namespace {

void addFonts()
{
    // The build decides which files are there (only the styles the windows use).
    QDirIterator files(QStringLiteral(":/bexalo-fonts"), QDir::Files);
    while (files.hasNext()) {
        QFontDatabase::addApplicationFont(files.next());
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // The web Qt builds in no fonts of its own (packaging/web/qt/), so the default font, used
    // where a control names none (the message box, the title bands), is one of ours.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans")));
}

// A window larger than the page shrinks to it (its layout follows, as on the desktop); then
// it moves, title bar included, to lie wholly inside.
void keepInside(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen || !window->isVisible() || window->isMaximized() || window->isFullScreen()) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    const int tooWide = std::max(0, frame.width() - area.width());
    const int tooHigh = std::max(0, frame.height() - area.height());
    if (tooWide > 0 || tooHigh > 0) {
        window->resize(std::max(1, window->width() - tooWide), std::max(1, window->height() - tooHigh));
        frame = window->frameGeometry();
    }
    const int x = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) {
        window->move(x, y);
    }
}

void keepAllInside()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)) {
            keepInside(w);
        }
    }
}

// Watches the windows: once shown, each is brought inside the page; and while a modal box is
// up the keyboard stays with it. (The page activates any window clicked, even one the box
// blocks, which would leave the box unable to take Enter; a window manager never does that.)
class PageKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow()) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            QTimer::singleShot(0, this, &keepAllInside);
        } else if (event->type() == QEvent::WindowActivate) {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal != watched) {
                QTimer::singleShot(0, modal, [modal] { modal->activateWindow(); });
            }
        }
        return false;
    }
};

} // namespace

void setUpPlatform(QApplication &app)
{
    addFonts();
    app.installEventFilter(new PageKeeper(&app));
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, &app, &keepAllInside);
    }
}

void programEnded() { bexalo_page_ended(); }

} // namespace bexalo
