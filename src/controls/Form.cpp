// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Form.h"

#include "controls/Colours.h"
#include "controls/CommandButton.h"
#include "controls/FormBuilder.h"
#include "controls/Forms.h"
#include "controls/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace bexalo {

Form::Form(const FormDesign &design, QWidget *parent)
    : QWidget(parent, Qt::Window), m_designWidth(design.clientWidth), m_designHeight(design.clientHeight)
{
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    if (design.backColor != kDefaultColour) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, toQColor(design.backColor));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    if (design.font.face) {
        setFont(makeFont(design.font, font()));
    }
    resize(twipsToPixels(float(design.clientWidth)), twipsToPixels(float(design.clientHeight)));
    BuiltControls built = buildControls(*this, design.controls, design.pictures);
    m_controls = std::move(built.collection);
    m_ownedControls = std::move(built.owned);
}

Form::~Form() { Forms::instance().remove(this); }

Control *Form::control(const QString &name, int index) const
{
    for (Control *c : m_controls) {
        if (c->index() == index && c->name() == name) {
            return c;
        }
    }
    return nullptr;
}

void Form::missingControl(const char *name, int index, bool wrongClass) const
{
    QString control = QString::fromUtf8(name);
    if (index >= 0) {
        control += QStringLiteral("(%1)").arg(index);
    }
    const QString problem = wrongClass ? QStringLiteral("control %1 is not of the class the code expects")
                                       : QStringLiteral("no control named %1");
    qFatal("%s: %s", qPrintable(objectName()), qPrintable(problem.arg(control)));
}

int Form::scaleWidth() const { return isMinimized() ? 0 : pixelsToTwips(width()); }

int Form::scaleHeight() const { return isMinimized() ? 0 : pixelsToTwips(height()); }

int Form::outerWidth() const
{
    const int frameWidth = frameGeometry().width();
    // Before the window is first shown the window manager has not told us its border yet:
    // count a sizeable border of four pixels on each side.
    const int outer = frameWidth > width() ? frameWidth : width() + 8;
    return pixelsToTwips(outer);
}

void Form::load()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    Forms::instance().add(this);
    Form_Load();
}

void Form::showModeless()
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    // Shown as it is, never in the platform's default state (the browser's is full screen).
    setVisible(true);
    raise();
    activateWindow();
}

void Form::unload()
{
    if (m_unloading) {
        return;
    }
    m_unloading = true;
    Form_Unload();
    hide();
    Forms::instance().remove(this);
    deleteLater();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising and restoring change the client size the controls are laid out against.
    if (event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() ^ windowState()) & Qt::WindowMinimized) {
            Form_Resize();
        }
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_cancelButton && m_cancelButton->isVisible() &&
        m_cancelButton->isEnabled()) {
        event->accept();
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace bexalo
