// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// One layout pass on the window with the most controls (frmOperativo1), at a size other than
// its load size so that every control really moves. Run with QT_QPA_PLATFORM=offscreen.
#include "exercise/Modulo1.h"
#include "exercise/frmOperativo1.h"
#include "fakes/FakeServices.h"
#include "layout/Resize.h"

#include <QtTest>

using namespace bexalo;

class BenchLayout : public QObject {
    Q_OBJECT

private slots:
    void onePassOnTheBiggestWindow();
    void oneResizeOfTheBiggestWindow();

private:
    test::FakeServices m_services{7};
};

// The pass alone: two sets of ratios in turn, so that every pass moves every control.
void BenchLayout::onePassOnTheBiggestWindow()
{
    m_services.modulo.livello = 2;
    frmOperativo1 window(m_services.modulo);
    window.load();
    window.showModeless();
    const std::vector<ControlGeometry> first = Resize::capture(window);
    std::vector<ControlGeometry> second = first;
    for (ControlGeometry &g : second) {
        g.leftRatio *= 0.9f;
        g.topRatio *= 0.9f;
        g.widthRatio *= 0.9f;
        g.heightRatio *= 0.9f;
    }
    const std::vector<ControlGeometry> *turns[] = {&first, &second};
    int turn = 0;
    QBENCHMARK
    {
        Resize::apply(window, *turns[turn]);
        turn ^= 1;
    }
    window.unload();
}

// A whole resize: Qt's resize event and the window's Resize handler.
void BenchLayout::oneResizeOfTheBiggestWindow()
{
    m_services.modulo.livello = 2;
    frmOperativo1 window(m_services.modulo);
    window.load();
    window.showModeless();

    // Two sizes in turn, so that no pass finds its controls already in place.
    const QSize sizes[] = {QSize(1280, 960), QSize(1000, 700)};
    int turn = 0;
    QBENCHMARK
    {
        window.resize(sizes[turn]);
        turn ^= 1;
    }
    window.unload();
}

QTEST_MAIN(BenchLayout)
#include "bench_layout.moc"
