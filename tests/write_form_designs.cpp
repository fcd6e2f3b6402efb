// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// write_form_designs [PATH]: writes the design tables of the three windows as JSON to PATH (to
// standard output without one), so that the end-to-end and browser tests press and look where
// the windows put their controls, from the very tables the program is built from:
//
//   { "FrmInizio": { "caption": ..., "clientWidth": ..., "clientHeight": ...,
//                    "controls": { "Option1(0)": { "x": ..., "y": ..., "width": ..., "height": ...,
//                                                  "left": ..., "top": ..., "container": ...,
//                                                  "caption": ..., "backColor": "#FFE0C0",
//                                                  "foreColor": ..., "visible": true }, ... } },
//     "frmOperativo1": ..., "FrmOperativo2": ... }
//
// Positions are twips: left and top from the control's container, x and y from the window's
// client area; a colour the table leaves to the system is null. An element of a control array
// is keyed Name(index).
#include "exercise/FrmOperativo2Table.h"
#include "exercise/frmOperativo1Table.h"
#include "start/FrmInizioTable.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

using namespace bexalo;

QJsonValue colour(Colour c)
{
    return c == kDefaultColour ? QJsonValue() : QJsonValue(QString::asprintf("#%06X", unsigned(c)));
}

const ControlDesign *find(const FormDesign &form, const char *name)
{
    for (const ControlDesign &c : form.controls) {
        if (qstrcmp(c.name, name) == 0 && c.index < 0) {
            return &c;
        }
    }
    return nullptr;
}

QJsonObject control(const FormDesign &form, const ControlDesign &c)
{
    int x = c.left, y = c.top;
    for (const char *container = c.container; *container != '\0';) {
        const ControlDesign *outer = find(form, container);
        if (outer == nullptr) {
            qFatal("write_form_designs: %s names no container %s in %s", c.name, container, form.name);
        }
        x += outer->left;
        y += outer->top;
        container = outer->container;
    }
    return {{"x", x},
            {"y", y},
            {"width", c.width},
            {"height", c.height},
            {"left", c.left},
            {"top", c.top},
            {"container", c.container},
            {"caption", QString::fromUtf8(c.caption)},
            {"backColor", colour(c.backColor)},
            {"foreColor", colour(c.foreColor)},
            {"visible", c.visible}};
}

QJsonObject form(const FormDesign &f)
{
    QJsonObject controls;
    for (const ControlDesign &c : f.controls) {
        const QString name =
            c.index < 0 ? QString::fromLatin1(c.name) : QStringLiteral("%1(%2)").arg(c.name).arg(c.index);
        controls.insert(name, control(f, c));
    }
    return {{"caption", QString::fromUtf8(f.caption)},
            {"clientWidth", f.clientWidth},
            {"clientHeight", f.clientHeight},
            {"backColor", colour(f.backColor)},
            {"controls", controls}};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: write_form_designs [PATH]\n");
        return 2;
    }
    QJsonObject designs;
    for (const FormDesign *f : {&frmInizioDesign(), &frmOperativo1Design(), &frmOperativo2Design()}) {
        designs.insert(QString::fromLatin1(f->name), form(*f));
    }
    const QByteArray json = QJsonDocument(designs).toJson();
    QFile out(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
    const bool opened = argc == 2 ? out.open(QIODevice::WriteOnly) : out.open(stdout, QIODevice::WriteOnly);
    if (!opened || out.write(json) != json.size() || !out.flush()) {
        std::fprintf(stderr, "write_form_designs: cannot write %s\n", argc == 2 ? argv[1] : "to standard output");
        return 1;
    }
    return 0;
}
