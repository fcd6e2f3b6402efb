// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The proportional layout: the ratio arithmetic on its own, then every window of the program,
// built from its class, loaded, shown and resized. Nothing here runs the event loop, so the
// start window's curtain timer cannot move its curtains between two looks at the layout.
#include "controls/Control.h"
#include "controls/Form.h"
#include "controls/PictureBox.h"
#include "controls/Twips.h"
#include "exercise/FrmOperativo2.h"
#include "exercise/Modulo1.h"
#include "exercise/frmOperativo1.h"
#include "fakes/FakeServices.h"
#include "layout/Resize.h"
#include "start/FrmInizio.h"

#include <QPointer>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace bexalo;

namespace {

struct Placement {
    int left, top, width, height;
};

bool isDocked(const Control *c)
{
    const auto *box = dynamic_cast<const PictureBox *>(c);
    return box && box->dock() != Dock::None;
}

} // namespace

class tst_Resize : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aRatioPlacesACoordinateBackInSinglePrecision_data();
    void aRatioPlacesACoordinateBackInSinglePrecision();
    void anInnerSizeOfZeroLeavesTheRatioAtZero();

    void everyWindowComesBackToItsLayoutAtItsLoadSize_data();
    void everyWindowComesBackToItsLayoutAtItsLoadSize();
    void doublingTheWidthDoublesEveryLeftAndWidthOnly_data();
    void doublingTheWidthDoublesEveryLeftAndWidthOnly();
    void minimisingZeroesTheLayoutAndRestoringBringsItBack_data();
    void minimisingZeroesTheLayoutAndRestoringBringsItBack();
    void timersAndMenusHaveElementsButNoGeometry_data();
    void timersAndMenusHaveElementsButNoGeometry();

private:
    void windowRows();
    void openWindow(const QString &name);
    std::vector<Placement> placements() const;

    std::unique_ptr<test::FakeServices> m_services;
    Modulo1 *m_modulo = nullptr;
    QPointer<Form> m_window;
    // Every control's geometry right after load, before the first pass.
    std::vector<Placement> m_loaded;
};

void tst_Resize::init()
{
    m_services = std::make_unique<test::FakeServices>();
    m_modulo = &m_services->modulo;
    m_modulo->livello = 2;
}

void tst_Resize::cleanup()
{
    if (m_window) {
        m_window->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
}

void tst_Resize::aRatioPlacesACoordinateBackInSinglePrecision_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("inner");
    QTest::addColumn<float>("newInner");
    QTest::addColumn<float>("placed");

    QTest::newRow("same size") << 3195.0f << 11910.0f << 11910.0f << 3195.0f;
    QTest::newRow("double") << 3195.0f << 11910.0f << 23820.0f << 6390.0f;
    QTest::newRow("smaller") << 7815.0f << 11910.0f << 8000.0f << 5249.3703f;
    QTest::newRow("curtain, over half the window") << 6015.0f << 11910.0f << 15000.0f << 7575.5669f;
    QTest::newRow("zero coordinate") << 0.0f << 8310.0f << 9000.0f << 0.0f;
    QTest::newRow("minimised") << 3195.0f << 11910.0f << 0.0f << 0.0f;
}

void tst_Resize::aRatioPlacesACoordinateBackInSinglePrecision()
{
    QFETCH(float, value);
    QFETCH(float, inner);
    QFETCH(float, newInner);
    QFETCH(float, placed);

    const float ratio = captureRatio(value, inner);
    // Stored as a float: the quotient rounded once to single precision.
    QCOMPARE(ratio, float(double(value) / double(inner)));
    const float result = applyRatio(newInner, ratio);
    QVERIFY2(std::fabs(result - placed) < 0.01f, qPrintable(QString::number(double(result), 'f', 5)));
    // The whole pixel the toolkit places it at.
    QCOMPARE(twipsToPixels(result), int(std::lround(placed / 15.0f)));
}

void tst_Resize::anInnerSizeOfZeroLeavesTheRatioAtZero()
{
    QCOMPARE(captureRatio(3195.0f, 0.0f), 0.0f);
    QCOMPARE(captureRatio(0.0f, 0.0f), 0.0f);
}

void tst_Resize::windowRows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("FrmInizio") << "FrmInizio";
    QTest::newRow("frmOperativo1") << "frmOperativo1";
    QTest::newRow("FrmOperativo2") << "FrmOperativo2";
}

void tst_Resize::openWindow(const QString &name)
{
    Form *form = nullptr;
    if (name == QLatin1String("FrmInizio")) {
        form = new FrmInizio(*m_modulo);
    } else if (name == QLatin1String("frmOperativo1")) {
        form = new frmOperativo1(*m_modulo);
    } else {
        form = new FrmOperativo2(*m_modulo);
    }
    m_window = form;
    form->load();
    m_loaded = placements();
    form->showModeless();
    QCOMPARE(form->scaleWidth(), form->designWidth());
    QCOMPARE(form->scaleHeight(), form->designHeight());
}

std::vector<Placement> tst_Resize::placements() const
{
    std::vector<Placement> result;
    for (const Control *c : m_window->controls()) {
        result.push_back({c->left(), c->top(), c->width(), c->height()});
    }
    return result;
}

void tst_Resize::everyWindowComesBackToItsLayoutAtItsLoadSize_data() { windowRows(); }

void tst_Resize::everyWindowComesBackToItsLayoutAtItsLoadSize()
{
    QFETCH(QString, window);
    openWindow(window);
    // The first pass, on showing, at the load size.
    const std::vector<Placement> atLoad = placements();
    const QSize loadSize = m_window->size();
    if (window == QLatin1String("FrmInizio")) {
        // Nothing moves the start window's controls at load: the first pass leaves each where
        // load put it. (An exercise window orders its picture columns at random at load, and its
        // pass puts them back in the design order.)
        for (size_t i = 0; i < atLoad.size(); ++i) {
            const Placement &a = m_loaded[i];
            const Placement &b = atLoad[i];
            QVERIFY2(std::abs(a.left - b.left) <= 15 && std::abs(a.top - b.top) <= 15 &&
                         std::abs(a.width - b.width) <= 15 && std::abs(a.height - b.height) <= 15,
                     qPrintable(m_window->controls()[i]->displayName()));
        }
    }

    // Many passes at odd sizes: the ratios never drift.
    for (const QSize size : {QSize(1280, 1000), QSize(333, 201), QSize(1588, 554), QSize(794, 1108), QSize(10, 10)}) {
        m_window->resize(size);
        QCOMPARE(m_window->size(), size);
    }
    m_window->resize(loadSize);

    const std::vector<Placement> back = placements();
    for (size_t i = 0; i < back.size(); ++i) {
        const Control *c = m_window->controls()[i];
        const Placement &a = atLoad[i];
        const Placement &b = back[i];
        QVERIFY2(std::abs(a.left - b.left) <= 15 && std::abs(a.top - b.top) <= 15 &&
                     std::abs(a.width - b.width) <= 15 && std::abs(a.height - b.height) <= 15,
                 qPrintable(c->displayName()));
    }
}

void tst_Resize::doublingTheWidthDoublesEveryLeftAndWidthOnly_data() { windowRows(); }

void tst_Resize::doublingTheWidthDoublesEveryLeftAndWidthOnly()
{
    QFETCH(QString, window);
    openWindow(window);
    const std::vector<Placement> before = placements();

    m_window->resize(m_window->width() * 2, m_window->height());
    QCOMPARE(m_window->scaleWidth(), 2 * m_window->designWidth());
    const std::vector<Placement> after = placements();

    int nested = 0;
    int images = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        const Control *c = m_window->controls()[i];
        if (!c->hasGeometry()) {
            continue;
        }
        const Placement &a = before[i];
        const Placement &b = after[i];
        const QByteArray name = c->displayName().toUtf8();
        // Rounding to whole pixels before and after: within one pixel of double.
        QVERIFY2(std::abs(b.left - 2 * a.left) <= 15, name);
        QVERIFY2(b.top == a.top, name);
        QVERIFY2(b.height == a.height, name);
        if (c->kind() == ControlKind::Image) {
            // Pictures are moved, never stretched.
            QVERIFY2(b.width == a.width, name);
            ++images;
        } else {
            QVERIFY2(std::abs(b.width - 2 * a.width) <= 15, name);
        }
        if (!c->containerName().isEmpty()) {
            ++nested;
        }
    }
    QVERIFY(nested > 0);
    QCOMPARE(images > 0, window != QLatin1String("FrmInizio"));
}

void tst_Resize::minimisingZeroesTheLayoutAndRestoringBringsItBack_data() { windowRows(); }

void tst_Resize::minimisingZeroesTheLayoutAndRestoringBringsItBack()
{
    QFETCH(QString, window);
    openWindow(window);
    const std::vector<Placement> before = placements();

    m_window->showMinimized();
    QVERIFY(m_window->isMinimized());
    QCOMPARE(m_window->scaleWidth(), 0);
    QCOMPARE(m_window->scaleHeight(), 0);
    for (const Control *c : m_window->controls()) {
        if (!c->hasGeometry()) {
            continue;
        }
        const QByteArray name = c->displayName().toUtf8();
        if (c->kind() == ControlKind::Image) {
            // Moved like the rest, but a picture keeps its natural size.
            QVERIFY2(c->left() == 0 && c->top() == 0 && c->width() > 0, name);
            continue;
        }
        QVERIFY2(c->width() == 0, name);
        if (!isDocked(c)) {
            // A docked curtain keeps to its edge at the full height; only its width follows.
            QVERIFY2(c->left() == 0 && c->top() == 0 && c->height() == 0, name);
        }
    }

    m_window->showNormal();
    QVERIFY(!m_window->isMinimized());
    const std::vector<Placement> restored = placements();
    for (size_t i = 0; i < restored.size(); ++i) {
        const Placement &a = before[i];
        const Placement &b = restored[i];
        QVERIFY2(a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height,
                 qPrintable(m_window->controls()[i]->displayName()));
    }
}

void tst_Resize::timersAndMenusHaveElementsButNoGeometry_data() { windowRows(); }

void tst_Resize::timersAndMenusHaveElementsButNoGeometry()
{
    QFETCH(QString, window);
    openWindow(window);

    const std::vector<ControlGeometry> geometrie = Resize::capture(*m_window);
    QCOMPARE(geometrie.size(), m_window->controls().size());
    int skipped = 0;
    for (size_t i = 0; i < geometrie.size(); ++i) {
        const Control *c = m_window->controls()[i];
        const ControlGeometry &g = geometrie[i];
        const QByteArray name = c->displayName().toUtf8();
        QVERIFY2(layoutSkips(c->kind()) == !c->hasGeometry(), name);
        if (layoutSkips(c->kind())) {
            ++skipped;
            QVERIFY2(g.widthRatio == 0.0f && g.heightRatio == 0.0f && g.topRatio == 0.0f && g.leftRatio == 0.0f, name);
        } else if (c->width() > 0) {
            QVERIFY2(g.widthRatio > 0.0f, name);
        }
    }
    // The start window's curtain timer and menu entry are in its collection.
    if (window == QLatin1String("FrmInizio")) {
        QCOMPARE(skipped, 2);
    }
}

QTEST_MAIN(tst_Resize)
#include "tst_resize.moc"
