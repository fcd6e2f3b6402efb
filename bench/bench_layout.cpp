// One layout pass on the window with the most controls (frmOperativo1), at a size other than
// its load size so that every control really moves. Run with QT_QPA_PLATFORM=offscreen.
#include "exercise/Modulo1.h"
#include "exercise/frmOperativo1.h"
#include "layout/Resize.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <QtTest>

using namespace bexalo;

namespace {

class SilentSound final : public Sound {
public:
    void play(const QString &) override {}
};

class NoonClock final : public Clock {
public:
    float secondsSinceMidnight() const override { return 43200.0f; }
};

} // namespace

class BenchLayout : public QObject
{
    Q_OBJECT

private slots:
    void onePassOnTheBiggestWindow();
    void oneResizeOfTheBiggestWindow();

private:
    void prepare(Modulo1 &modulo);

    SilentSound m_sound;
    NoonClock m_clock;
    MersenneRandom m_random{7};
};

void BenchLayout::prepare(Modulo1 &modulo)
{
    modulo.sound = &m_sound;
    modulo.clock = &m_clock;
    modulo.random = &m_random;
    modulo.livello = 2;
}

// The pass alone: two sets of ratios in turn, so that every pass moves every control.
void BenchLayout::onePassOnTheBiggestWindow()
{
    Modulo1 modulo;
    prepare(modulo);
    frmOperativo1 window(modulo);
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
    QBENCHMARK {
        Resize::apply(window, *turns[turn]);
        turn ^= 1;
    }
    window.unload();
}

// A whole resize: Qt's resize event and the window's Resize handler.
void BenchLayout::oneResizeOfTheBiggestWindow()
{
    Modulo1 modulo;
    prepare(modulo);
    frmOperativo1 window(modulo);
    window.load();
    window.showModeless();

    // Two sizes in turn, so that no pass finds its controls already in place.
    const QSize sizes[] = {QSize(1280, 960), QSize(1000, 700)};
    int turn = 0;
    QBENCHMARK {
        window.resize(sizes[turn]);
        turn ^= 1;
    }
    window.unload();
}

QTEST_MAIN(BenchLayout)
#include "bench_layout.moc"
