// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Keeps the abacus and the three picture columns described for a screen reader with what they
// show, e.g. "Abaco: 3 centinaia, 4 decine, 2 unità" and "Unità: 5": counted from the visible
// beads and pictures each time one of them is shown or hidden, whoever shows or hides it.
#pragma once

#include "exercise/Esercizio.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

class QWidget;

namespace bexalo {

class Form;

QString descrizioneAbaco(int centinaia, int decine, int unita);
QString descrizioneColonna(Posto posto, int quante);

class CountDescriptions : public QObject {
    Q_OBJECT
public:
    // Watches the beads and pictures of an exercise window; a child of that window.
    explicit CountDescriptions(Form &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void describeAbacus();
    void describeColumn(Posto posto);

    QWidget *m_abaco = nullptr;
    std::array<QWidget *, 3> m_colonne{};            // by Posto
    std::array<std::vector<QWidget *>, 3> m_perline; // by Posto
    std::array<std::vector<QWidget *>, 3> m_caselle; // by Posto
};

} // namespace bexalo
