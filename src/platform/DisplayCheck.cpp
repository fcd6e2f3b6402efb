// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "platform/DisplayCheck.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace bexalo {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
QList<HeldMessage> g_held;

void startupHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // What the windowing system said on the way is replaced by one line a teacher reads.
        std::fputs("bexalo needs a graphical display to run, and none could be opened.\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held.append({type, QString::fromUtf8(context.category ? context.category : ""), message});
}

} // namespace

void guardDisplayStartup()
{
    g_held.clear();
    g_previous = qInstallMessageHandler(startupHandler);
}

void endDisplayStartupGuard()
{
    qInstallMessageHandler(g_previous);
    // The start went well: pass on what was said meanwhile.
    for (const HeldMessage &m : std::as_const(g_held)) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(m.type, context, m.text);
    }
    g_held.clear();
}

} // namespace bexalo
