// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/FormBuilder.h"

#include "controls/AccessibleFactory.h"
#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Menu.h"
#include "controls/OptionButton.h"
#include "controls/PictureBox.h"
#include "controls/Shape.h"
#include "controls/Timer.h"
#include "controls/Twips.h"

#include <QHash>
#include <algorithm>

namespace bexalo {

namespace {

bool isWindowless(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Shape || kind == ControlKind::Image;
}

bool takesFocus(ControlKind kind) { return kind == ControlKind::OptionButton || kind == ControlKind::CommandButton; }

Control *create(const ControlDesign &design, PictureSource pictures, QWidget *parent, std::unique_ptr<Control> &owned)
{
    switch (design.kind) {
    case ControlKind::Frame:
        return new Frame(design, parent);
    case ControlKind::Label:
        return new Label(design, parent);
    case ControlKind::OptionButton:
        return new OptionButton(design, parent);
    case ControlKind::CommandButton:
        return new CommandButton(design, parent);
    case ControlKind::PictureBox:
        return new PictureBox(design, parent);
    case ControlKind::Image:
        return new Image(design, pictures, parent);
    case ControlKind::Shape:
        return new Shape(design, parent);
    case ControlKind::Timer:
        return new Timer(design, parent);
    case ControlKind::Menu:
        owned = std::make_unique<Menu>(design);
        return owned.get();
    }
    return nullptr;
}

} // namespace

QFont makeFont(const FontDesign &design, const QFont &inherited)
{
    if (!design.face) {
        return inherited;
    }
    QFont font(QString::fromUtf8(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BuiltControls buildControls(QWidget &window, std::span<const ControlDesign> table, PictureSource pictures)
{
    installAccessibleFactory();
    BuiltControls built;
    built.collection.reserve(table.size());
    QHash<QString, QWidget *> containers;

    for (const ControlDesign &design : table) {
        QWidget *parent = &window;
        if (*design.container) {
            parent = containers.value(QString::fromUtf8(design.container), &window);
        }
        std::unique_ptr<Control> owned;
        Control *control = create(design, pictures, parent, owned);
        if (owned) {
            built.owned.push_back(std::move(owned));
        }
        built.collection.push_back(control);

        QWidget *w = control->widget();
        if (!w) {
            continue;
        }
        if (design.kind == ControlKind::Frame) {
            containers.insert(control->name(), w);
        }
        if (design.font.face) {
            w->setFont(makeFont(design.font, w->font()));
        }
        control->move(float(design.left), float(design.top), float(design.width), float(design.height));
        if (!design.enabled) {
            w->setEnabled(false);
        }
        if (!design.visible) {
            w->setVisible(false);
        }
        if (*design.accessibleName) {
            control->setAccessibleText(QString::fromUtf8(design.accessibleName),
                                       QString::fromUtf8(design.accessibleDescription));
        }
    }

    // Among siblings, the control created first is drawn on top, and every windowless control
    // lies below every windowed one: raise the windowless first, latest created first.
    for (bool windowless : {true, false}) {
        for (auto it = built.collection.rbegin(); it != built.collection.rend(); ++it) {
            if ((*it)->widget() && isWindowless((*it)->kind()) == windowless) {
                (*it)->widget()->raise();
            }
        }
    }

    std::vector<Control *> focusable;
    for (Control *c : built.collection) {
        if (takesFocus(c->kind())) {
            focusable.push_back(c);
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const Control *a, const Control *b) { return a->tabIndex() < b->tabIndex(); });
    if (!focusable.empty()) {
        // Anchor the chain at the window so that the focus starts at the lowest TabIndex.
        const Qt::FocusPolicy policy = window.focusPolicy();
        window.setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(&window, focusable.front()->widget());
        for (size_t i = 1; i < focusable.size(); ++i) {
            QWidget::setTabOrder(focusable[i - 1]->widget(), focusable[i]->widget());
        }
        window.setFocusPolicy(policy);
    }
    return built;
}

} // namespace bexalo
