// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "exercise/CountDescriptions.h"

#include "controls/Form.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace bexalo {
namespace {

struct Nomi {
    const char *colonna;
    const char *perline;
    const char *caselle;
};

// Indexed by Posto: hundreds, tens, units.
constexpr std::array<Nomi, 3> kNomi{{
    {"Frame6", "Picture21", "ImageH"},
    {"Frame5", "Picture11", "ImageDA"},
    {"Frame4", "Picture1", "ImageU"},
}};

size_t at(Posto posto) { return static_cast<size_t>(posto); }

QString quanti(int n, const char *uno, const char *molti)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? uno : molti);
}

int visibili(const std::vector<QWidget *> &elementi)
{
    return int(std::count_if(elementi.begin(), elementi.end(), [](const QWidget *w) { return !w->isHidden(); }));
}

QWidget *widgetOf(const Form &window, const char *name, int index = -1)
{
    const Control *c = window.control(QString::fromUtf8(name), index);
    return c ? c->widget() : nullptr;
}

} // namespace

QString descrizioneAbaco(int centinaia, int decine, int unita)
{
    return QStringLiteral("Abaco: ") + quanti(centinaia, "centinaio", "centinaia") + QStringLiteral(", ") +
           quanti(decine, "decina", "decine") + QStringLiteral(", ") + quanti(unita, "unità", "unità");
}

QString descrizioneColonna(Posto posto, int quante)
{
    static const char *const kPosto[3] = {"Centinaia", "Decine", "Unità"};
    return QString::fromUtf8(kPosto[at(posto)]) + QStringLiteral(": ") + QString::number(quante);
}

CountDescriptions::CountDescriptions(Form &window) : QObject(&window), m_abaco(widgetOf(window, "Frame3"))
{
    for (Posto posto : {Posto::Centinaia, Posto::Decine, Posto::Unita}) {
        const Nomi &nomi = kNomi[at(posto)];
        m_colonne[at(posto)] = widgetOf(window, nomi.colonna);
        for (int i = 1; i <= 10; ++i) {
            if (QWidget *w = widgetOf(window, nomi.perline, i)) {
                m_perline[at(posto)].push_back(w);
                w->installEventFilter(this);
            }
        }
        for (int i = 0; i <= 8; ++i) {
            if (QWidget *w = widgetOf(window, nomi.caselle, i)) {
                m_caselle[at(posto)].push_back(w);
                w->installEventFilter(this);
            }
        }
        describeColumn(posto);
    }
    describeAbacus();
}

bool CountDescriptions::eventFilter(QObject *watched, QEvent *event)
{
    // Sent whenever the element's own Visible changes, on screen or not.
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        for (Posto posto : {Posto::Centinaia, Posto::Decine, Posto::Unita}) {
            const auto &perline = m_perline[at(posto)];
            const auto &caselle = m_caselle[at(posto)];
            if (std::find(perline.begin(), perline.end(), watched) != perline.end()) {
                describeAbacus();
                break;
            }
            if (std::find(caselle.begin(), caselle.end(), watched) != caselle.end()) {
                describeColumn(posto);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void CountDescriptions::describeAbacus()
{
    if (!m_abaco) {
        return;
    }
    const QString text =
        descrizioneAbaco(visibili(m_perline[at(Posto::Centinaia)]), visibili(m_perline[at(Posto::Decine)]),
                         visibili(m_perline[at(Posto::Unita)]));
    if (m_abaco->accessibleDescription() != text) {
        m_abaco->setAccessibleDescription(text);
    }
}

void CountDescriptions::describeColumn(Posto posto)
{
    QWidget *colonna = m_colonne[at(posto)];
    if (!colonna) {
        return;
    }
    const QString text = descrizioneColonna(posto, visibili(m_caselle[at(posto)]));
    if (colonna->accessibleDescription() != text) {
        colonna->setAccessibleDescription(text);
    }
}

} // namespace bexalo
