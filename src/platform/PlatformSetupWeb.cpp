// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The web: the page is the screen. The fonts the windows name come with the program (the
// metric-compatible Liberation fonts), every window stays inside the page when it opens and
// when the page changes size, and at the end the page says that bexalo has ended.
#include "platform/PlatformSetup.h"

#include "controls/KeyCodes.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QList>
#include <QPointer>
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

// The browser's key events reach Qt without the physical key, so Shift+"1" is only "!". The
// page records the DOM's KeyboardEvent.code of every key-down and key-up, before anyone else
// sees it (capture phase), as the key codes of the key handlers.
EM_JS(void, bexalo_page_keys_watch, (), {
    function codeOf(e) {
        const m = /^(Digit|Numpad)([0-9])$/.exec(String(e.code));
        if (m)
            return (m[1] === 'Digit' ? 48 : 96) + Number(m[2]);
        return e.code === 'Enter' || e.code === 'NumpadEnter' ? 13 : 255;
    }
    globalThis.bexaloPageKeyCode = codeOf;
    globalThis.bexaloPageKey = 255;
    const record = (e) => { globalThis.bexaloPageKey = codeOf(e); };
    window.addEventListener('keydown', record, true);
    window.addEventListener('keyup', record, true);
});

// The key being handled: the event the browser is dispatching if it is a key's, else the last
// one recorded (when Qt handles the key after the browser's dispatch).
EM_JS(int, bexalo_page_key, (), {
    const e = window.event;
    if (e && (e.type === 'keydown' || e.type === 'keyup') && globalThis.bexaloPageKeyCode)
        return globalThis.bexaloPageKeyCode(e);
    return typeof globalThis.bexaloPageKey === 'number' ? globalThis.bexaloPageKey : 255;
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

// Watches the windows: once shown, each is brought inside the page; while a modal box is up
// the keyboard stays with it. (The page activates any window clicked, even one the box
// blocks, which would leave the box unable to take Enter; a window manager never does that.)
// And when a window goes, the one left on top is activated, as a window manager does; the
// page would leave none active, its title band grey and the keys going nowhere.
class PageKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow()) {
            return false;
        }
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show) {
            raised(window);
            QTimer::singleShot(0, this, &keepAllInside);
        } else if (event->type() == QEvent::WindowActivate) {
            raised(window);
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal != watched) {
                QTimer::singleShot(0, modal, [modal] { modal->activateWindow(); });
            }
        } else if (event->type() == QEvent::Hide) {
            QTimer::singleShot(0, this, [this] { activateTopWindow(); });
        }
        return false;
    }

private:
    // Windows from the lowest to the top: a window shown or activated comes on top.
    void raised(QWidget *window)
    {
        order_.removeIf([window](const QPointer<QWidget> &w) { return w.isNull() || w == window; });
        order_.append(window);
    }

    void activateTopWindow()
    {
        if (QApplication::activeWindow()) {
            return;
        }
        for (auto it = order_.crbegin(); it != order_.crend(); ++it) {
            QWidget *window = *it;
            if (window && window->isVisible() && window->windowType() != Qt::Popup &&
                window->windowType() != Qt::ToolTip) {
                window->activateWindow();
                return;
            }
        }
    }

    QList<QPointer<QWidget>> order_;
};

} // namespace

void setUpPlatform(QApplication &app)
{
    addFonts();
    bexalo_page_keys_watch();
    setPageKeyReader([] { return bexalo_page_key(); });
    app.installEventFilter(new PageKeeper(&app));
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, &app, &keepAllInside);
    }
}

void programEnded() { bexalo_page_ended(); }

} // namespace bexalo
