// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window's opening curtains, tick by tick: the step arithmetic on its own, then the
// real window, whose timer is stepped by hand (the event loop never runs between ticks, so the
// 10 ms timer cannot add ticks of its own).
#include "controls/Forms.h"
#include "controls/Frame.h"
#include "controls/PictureBox.h"
#include "controls/Timer.h"
#include "controls/Twips.h"
#include "exercise/Modulo1.h"
#include "start/CurtainStep.h"
#include "start/FrmInizio.h"

#include <QPointer>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace bexalo;

class tst_Curtains : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aStepTakesSeventyFiveAndNeverGoesBelowZero_data();
    void aStepTakesSeventyFiveAndNeverGoesBelowZero();
    void theCurtainsAreOpenAtTenTwipsOrLess_data();
    void theCurtainsAreOpenAtTenTwipsOrLess();

    void loadingClosesTheCurtainsAndStartsTheTimer();
    void theCurtainsOpenCompletelyTickByTick_data();
    void theCurtainsOpenCompletelyTickByTick();
    void aResizeWhileOpeningClosesThemAndTheTimerOpensThemAgain();
    void aResizeAfterTheCurtainsOpenedLeavesThemOpen_data();
    void aResizeAfterTheCurtainsOpenedLeavesThemOpen();

private:
    // Loads and shows the start window with this client width in pixels.
    void openWindow(int clientWidthPixels = 0);
    int leftWidth() const { return m_left->Control::width(); }
    int rightWidth() const { return m_right->Control::width(); }
    // Ticks until the timer stops; returns the number of ticks, and checks every step.
    int tickUntilOpen();

    std::unique_ptr<Modulo1> m_modulo;
    QPointer<FrmInizio> m_window;
    PictureBox *m_left = nullptr;
    PictureBox *m_right = nullptr;
    Timer *m_timer = nullptr;
};

void tst_Curtains::init() { m_modulo = std::make_unique<Modulo1>(); }

void tst_Curtains::cleanup()
{
    if (m_window) {
        m_window->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
}

void tst_Curtains::aStepTakesSeventyFiveAndNeverGoesBelowZero_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("next");

    QTest::newRow("half an 802-pixel window") << 6015.0f << 5940.0f;
    QTest::newRow("two steps left") << 150.0f << 75.0f;
    QTest::newRow("last whole step") << 75.0f << 0.0f;
    QTest::newRow("ends inside the open range") << 85.0f << 10.0f;
    QTest::newRow("a strip of 74 closes to 0") << 74.0f << 0.0f;
    QTest::newRow("a strip of one pixel closes to 0") << 15.0f << 0.0f;
    QTest::newRow("a strip of 11 closes to 0") << 11.0f << 0.0f;
    QTest::newRow("already open") << 0.0f << 0.0f;
}

void tst_Curtains::aStepTakesSeventyFiveAndNeverGoesBelowZero()
{
    QFETCH(float, width);
    QFETCH(float, next);
    QCOMPARE(nextCurtainWidth(width), next);
}

void tst_Curtains::theCurtainsAreOpenAtTenTwipsOrLess_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<bool>("open");

    QTest::newRow("0") << 0.0f << true;
    QTest::newRow("10") << 10.0f << true;
    QTest::newRow("11") << 11.0f << false;
    QTest::newRow("one pixel") << 15.0f << false;
}

void tst_Curtains::theCurtainsAreOpenAtTenTwipsOrLess()
{
    QFETCH(float, width);
    QFETCH(bool, open);
    QCOMPARE(curtainsOpen(width), open);
}

void tst_Curtains::openWindow(int clientWidthPixels)
{
    m_window = new FrmInizio(*m_modulo);
    if (clientWidthPixels > 0) {
        m_window->resize(clientWidthPixels, m_window->height());
    }
    m_left = m_window->get<PictureBox>("Picture1");
    m_right = m_window->get<PictureBox>("Picture2");
    m_timer = m_window->get<Timer>("timerTendine");
    QVERIFY(m_left && m_right && m_timer);
    m_window->load();
    m_window->showModeless();
}

int tst_Curtains::tickUntilOpen()
{
    int ticks = 0;
    while (m_timer->isTimerEnabled() && ticks < 1000) {
        const int before = leftWidth();
        m_timer->tick();
        ++ticks;
        if (leftWidth() != std::max(0, before - 75) || rightWidth() != leftWidth()) {
            qWarning("tick %d: %d -> %d (right %d)", ticks, before, leftWidth(), rightWidth());
            return -1;
        }
        // The timer stops on the very tick that reaches 10 or less, and not before.
        if (m_timer->isTimerEnabled() != (leftWidth() > 10)) {
            qWarning("tick %d: width %d, timer %d", ticks, leftWidth(), int(m_timer->isTimerEnabled()));
            return -1;
        }
    }
    return ticks;
}

void tst_Curtains::loadingClosesTheCurtainsAndStartsTheTimer()
{
    m_window = new FrmInizio(*m_modulo);
    m_left = m_window->get<PictureBox>("Picture1");
    m_right = m_window->get<PictureBox>("Picture2");
    m_timer = m_window->get<Timer>("timerTendine");
    QVERIFY(!m_timer->isTimerEnabled());
    QCOMPARE(m_timer->interval(), 10);

    m_window->load();
    QVERIFY(m_timer->isTimerEnabled());
    const int half = pixelsToTwips(twipsToPixels(float(m_window->outerWidth()) / 2.0f));
    QCOMPARE(leftWidth(), half);
    QCOMPARE(rightWidth(), half);
    // Together a little wider than the window: they meet in the middle.
    QVERIFY(leftWidth() + rightWidth() > m_window->scaleWidth());

    // The first pass on showing keeps them closed, at the edges and full height.
    m_window->showModeless();
    QCOMPARE(leftWidth(), half);
    QCOMPARE(rightWidth(), half);
    QCOMPARE(m_left->QWidget::x(), 0);
    QCOMPARE(m_right->QWidget::geometry().right(), m_window->width() - 1);
    QCOMPARE(m_left->QWidget::height(), m_window->height());
    QCOMPARE(m_right->QWidget::height(), m_window->height());
}

void tst_Curtains::theCurtainsOpenCompletelyTickByTick_data()
{
    QTest::addColumn<int>("clientWidthPixels");
    QTest::addColumn<int>("curtainWidth");

    // The window's outer width counts a border of four pixels each side before it is shown.
    QTest::newRow("design size: a 15-twip strip at the end") << 794 << 6015;
    QTest::newRow("a multiple of 75") << 792 << 6000;
    QTest::newRow("a strip of 60 at the end") << 800 << 6060;
}

void tst_Curtains::theCurtainsOpenCompletelyTickByTick()
{
    QFETCH(int, clientWidthPixels);
    QFETCH(int, curtainWidth);

    openWindow(clientWidthPixels);
    QCOMPARE(m_window->scaleWidth(), pixelsToTwips(clientWidthPixels));
    QCOMPARE(leftWidth(), curtainWidth);
    QCOMPARE(rightWidth(), curtainWidth);

    const int ticks = tickUntilOpen();
    QCOMPARE(ticks, (curtainWidth + 74) / 75);
    QCOMPARE(leftWidth(), 0);
    QCOMPARE(rightWidth(), 0);
    QCOMPARE(m_right->QWidget::x(), m_window->width());
    QVERIFY(!m_timer->isTimerEnabled());
}

void tst_Curtains::aResizeWhileOpeningClosesThemAndTheTimerOpensThemAgain()
{
    openWindow();
    const int closed = leftWidth();
    for (int i = 0; i < 10; ++i) {
        m_timer->tick();
    }
    QCOMPARE(leftWidth(), closed - 750);

    m_window->resize(1000, 600);
    QCOMPARE(m_window->scaleWidth(), 15000);
    // The recorded fraction of the new width: a little over half, both alike.
    const int expected = pixelsToTwips(twipsToPixels(15000.0f * (float(closed) / 11910.0f)));
    QCOMPARE(leftWidth(), expected);
    QCOMPARE(rightWidth(), expected);
    QVERIFY(m_timer->isTimerEnabled());

    QCOMPARE(tickUntilOpen(), (expected + 74) / 75);
    QCOMPARE(leftWidth(), 0);
}

void tst_Curtains::aResizeAfterTheCurtainsOpenedLeavesThemOpen_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("grown and shrunk back") << "resize";
    QTest::newRow("maximised and restored") << "maximise";
    QTest::newRow("minimised and restored") << "minimise";
}

void tst_Curtains::aResizeAfterTheCurtainsOpenedLeavesThemOpen()
{
    QFETCH(QString, change);

    openWindow();
    QVERIFY(tickUntilOpen() > 0);
    QCOMPARE(leftWidth(), 0);

    // After each step of the change the window is laid out and the curtains stay open.
    auto stillOpen = [this](const char *when) {
        if (leftWidth() != 0 || rightWidth() != 0 || m_timer->isTimerEnabled()) {
            qWarning("%s: curtains %d and %d, timer %d", when, leftWidth(), rightWidth(),
                     int(m_timer->isTimerEnabled()));
            return false;
        }
        return m_right->QWidget::x() == m_window->width() && m_left->QWidget::height() == m_window->height();
    };
    auto *frame = m_window->get<Frame>("Frame1");
    const QRect designFrame = frame->QWidget::geometry();
    if (change == QLatin1String("resize")) {
        m_window->resize(1000, 700);
        QVERIFY(stillOpen("grown"));
        // Laid out for the new size: the frame grew with the window.
        QVERIFY(frame->QWidget::width() > designFrame.width());
        m_window->resize(794, 554);
    } else if (change == QLatin1String("maximise")) {
        const QSize before = m_window->size();
        m_window->showMaximized();
        QTRY_VERIFY(m_window->isMaximized() && m_window->size() != before);
        QVERIFY(stillOpen("maximised"));
        m_window->showNormal();
        QTRY_COMPARE(m_window->size(), before);
    } else {
        m_window->showMinimized();
        QTRY_VERIFY(m_window->isMinimized());
        QVERIFY(stillOpen("minimised"));
        m_window->showNormal();
        QTRY_VERIFY(!m_window->isMinimized());
    }
    QVERIFY(stillOpen("restored"));
    QTRY_COMPARE(frame->QWidget::geometry(), designFrame);
    // Nothing starts the timer again, however long the window waits.
    QTest::qWait(50);
    QVERIFY(stillOpen("later"));
}

QTEST_MAIN(tst_Curtains)
#include "tst_curtains.moc"
