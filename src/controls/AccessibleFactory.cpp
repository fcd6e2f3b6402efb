// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/AccessibleFactory.h"

#include "controls/Frame.h"
#include "controls/Image.h"
#include "controls/OptionButton.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

namespace bexalo {
namespace {

class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionButton *option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return option()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    // The window's handlers choose on a mouse press: a screen reader's "press" is one.
    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QPointer<QWidget> target = widget();
        if (!target->isEnabled() || !target->isVisible()) {
            return;
        }
        const QPointF centre = QRectF(target->rect()).center();
        const QPointF global = target->mapToGlobal(centre);
        QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &down);
        if (target) {
            QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &up);
        }
    }

private:
    OptionButton *option() const { return static_cast<OptionButton *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(OptionButton::staticMetaObject.className())) {
        return new OptionAccessible(static_cast<OptionButton *>(object));
    }
    if (className == QLatin1String(Frame::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Frame *>(object), QAccessible::Grouping);
    }
    if (className == QLatin1String(Image::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Image *>(object), QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace bexalo
