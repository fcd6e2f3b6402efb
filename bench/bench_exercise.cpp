// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Timings of the work a pupil waits for: opening each window until its first frame, one layout
// pass of each window, genera, and one whole exercise cycle (the "+" presses of the right
// answer, "V E R I F I CA", "A V A N T I", and the repaint they cause). Each figure is the
// median of several samples, in milliseconds; bench/perf.sh prints them beside their goals.
#include "controls/CommandButton.h"
#include "controls/Forms.h"
#include "exercise/FrmOperativo2.h"
#include "exercise/Modulo1.h"
#include "exercise/frmOperativo1.h"
#include "fakes/FakeServices.h"
#include "layout/Resize.h"
#include "start/FrmInizio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace bexalo;

namespace {

// Counts the paints of one window, so that opening is timed up to its first frame.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// Median over `samples` samples of the mean time of `repeats` runs of `work`, in milliseconds.
double medianMs(int samples, int repeats, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int s = 0; s < samples; ++s) {
        QElapsedTimer timer;
        timer.start();
        for (int r = 0; r < repeats; ++r) {
            work();
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6 / repeats);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void print(const char *name, double ms)
{
    std::printf("%s=%.4f\n", name, ms);
    std::fflush(stdout);
}

template <class Window> Window *openWindow(Modulo1 &modulo)
{
    auto *w = new Window(modulo);
    PaintCounter counter;
    w->installEventFilter(&counter);
    w->load();
    w->showModeless();
    while (counter.paints == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // The turn after the paint, when the frame has been handed to the display.
    QCoreApplication::processEvents();
    w->removeEventFilter(&counter);
    return w;
}

void closeWindow(Form *w)
{
    w->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <class Window> void benchOpening(const char *name, Modulo1 &modulo)
{
    // Each sample opens the window afresh and closes it outside the timing.
    std::vector<double> times;
    for (int s = 0; s < 15; ++s) {
        QElapsedTimer timer;
        timer.start();
        Window *w = openWindow<Window>(modulo);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        closeWindow(w);
    }
    std::sort(times.begin(), times.end());
    print(name, times[times.size() / 2]);
}

void benchLayout(const char *name, Form &w)
{
    // Two sets of ratios in turn, so that every pass really moves every control.
    const std::vector<ControlGeometry> first = Resize::capture(w);
    std::vector<ControlGeometry> second = first;
    for (ControlGeometry &g : second) {
        g.leftRatio *= 0.9f;
        g.topRatio *= 0.9f;
        g.widthRatio *= 0.9f;
        g.heightRatio *= 0.9f;
    }
    int turn = 0;
    print(name, medianMs(9, 200, [&] {
              Resize::apply(w, turn ? second : first);
              turn ^= 1;
          }));
    Resize::apply(w, first);
}

void click(ExerciseWindow *w, const char *name, int times = 1)
{
    auto *b = w->get<CommandButton>(name);
    for (int i = 0; i < times; ++i) {
        b->click();
    }
}

// The right answer, verified, then the next exercise; and the repaint of all that.
void exerciseCycle(ExerciseWindow *w)
{
    const Esercizio &e = w->esercizio();
    click(w, "CmdContaHp", e.cifraH);
    click(w, "CmdContaDap", e.cifraDa);
    click(w, "CmdContaUp", e.cifraU);
    click(w, "CmdVerifica");
    click(w, "CmdOperazione");
    QCoreApplication::processEvents();
}

template <class Window>
void benchWindow(const char *layoutName, const char *generaName, const char *cycleName, Modulo1 &modulo)
{
    Window *w = openWindow<Window>(modulo);
    benchLayout(layoutName, *w);
    print(generaName, medianMs(9, 200, [w] { w->genera(); }));
    print(cycleName, medianMs(9, 50, [w] { exerciseCycle(w); }));
    closeWindow(w);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The test doubles: a sound that only records, a clock that stands still, and a seeded
    // generator that only records the windows' reseeds, so every exercise is a new one.
    test::FakeServices services;
    Modulo1 &modulo = services.modulo;
    modulo.livello = 2;

    benchOpening<FrmInizio>("open_FrmInizio_ms", modulo);
    benchOpening<frmOperativo1>("open_frmOperativo1_ms", modulo);
    benchOpening<FrmOperativo2>("open_FrmOperativo2_ms", modulo);

    FrmInizio *start = openWindow<FrmInizio>(modulo);
    benchLayout("layout_FrmInizio_ms", *start);
    closeWindow(start);
    benchWindow<frmOperativo1>("layout_frmOperativo1_ms", "genera_frmOperativo1_ms", "cycle_frmOperativo1_ms", modulo);
    benchWindow<FrmOperativo2>("layout_FrmOperativo2_ms", "genera_FrmOperativo2_ms", "cycle_FrmOperativo2_ms", modulo);
    return 0;
}
