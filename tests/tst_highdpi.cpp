// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// On a screen twice as dense (scale factor 2) the windows keep their logical geometry, and
// the pictures and the icon are drawn at the screen's own resolution rather than doubled.
#include "BeadRuns.h"
#include "assets/Pictures.h"
#include "controls/Control.h"
#include "controls/Form.h"
#include "exercise/FrmOperativo2Table.h"
#include "exercise/frmOperativo1Table.h"

#include <QApplication>
#include <QTest>

using namespace bexalo;

class tst_HighDpi : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsTwiceAsDense();
    void windowsKeepTheirLogicalGeometry_data();
    void windowsKeepTheirLogicalGeometry();
    void stackedBeadsCanBeCounted_data();
    void stackedBeadsCanBeCounted();
    void picturesAreDrawnAtTheScreenResolution_data();
    void picturesAreDrawnAtTheScreenResolution();
    void theIconIsDrawnForTheDenserScreen();
};

void tst_HighDpi::theScreenIsTwiceAsDense()
{
    Form form(frmOperativo1Design());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatioF(), 2.0);
}

void tst_HighDpi::windowsKeepTheirLogicalGeometry_data()
{
    QTest::addColumn<const FormDesign *>("design");
    QTest::newRow("frmOperativo1") << &frmOperativo1Design();
    QTest::newRow("FrmOperativo2") << &frmOperativo2Design();
}

void tst_HighDpi::windowsKeepTheirLogicalGeometry()
{
    QFETCH(const FormDesign *, design);
    Form form(*design);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.scaleWidth(), design->clientWidth - design->clientWidth % 15);
    for (size_t i = 0; i < design->controls.size(); ++i) {
        const ControlDesign &row = design->controls[i];
        const Control *c = form.controls()[i];
        if (!c->hasGeometry() || row.kind == ControlKind::Image) {
            continue;
        }
        QVERIFY2(std::abs(c->left() - row.left) < 15 && std::abs(c->width() - row.width) < 15,
                 qPrintable(c->displayName()));
    }
}

void tst_HighDpi::stackedBeadsCanBeCounted_data()
{
    QTest::addColumn<const FormDesign *>("design");
    QTest::addColumn<QString>("beads");
    for (const char *beads : {"Picture21", "Picture11", "Picture1"}) {
        QTest::addRow("frmOperativo1 %s", beads) << &frmOperativo1Design() << QString::fromLatin1(beads);
        QTest::addRow("FrmOperativo2 %s", beads) << &frmOperativo2Design() << QString::fromLatin1(beads);
    }
}

void tst_HighDpi::stackedBeadsCanBeCounted()
{
    QFETCH(const FormDesign *, design);
    QFETCH(QString, beads);
    Form form(*design);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QByteArray name = beads.toLatin1();
    for (int i = 1; i <= 3; ++i) {
        form.control(beads, i)->setShown(true);
    }
    const QRgb colour = form.control(beads, 1)->backColor();
    QCOMPARE(test::beadRuns(form, name.constData(), colour), 3);
}

void tst_HighDpi::picturesAreDrawnAtTheScreenResolution_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<PictureId>("picture");
    QTest::newRow("unit") << QStringLiteral("ImageU_0") << PictureId::Unita;
    QTest::newRow("ten") << QStringLiteral("ImageDA_0") << PictureId::Decina;
    QTest::newRow("hundred") << QStringLiteral("ImageH_0") << PictureId::Centinaio;
}

void tst_HighDpi::picturesAreDrawnAtTheScreenResolution()
{
    QFETCH(QString, slot);
    QFETCH(PictureId, picture);
    Form form(frmOperativo1Design());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *image = form.findChild<QWidget *>(slot);
    QVERIFY(image);
    // Same logical size as on an ordinary screen...
    QCOMPARE(image->size(), pictureSize(picture));
    // ...and twice the pixels on screen, each picture pixel a crisp 2 x 2 block.
    const QImage shown = image->grab().toImage();
    QCOMPARE(shown.size(), pictureSize(picture) * 2);
    const QImage reference = drawPicture(picture, 1.0);
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb expected = reference.pixel(x, y);
            for (int d = 0; d < 4; ++d) {
                if (shown.pixel(2 * x + d % 2, 2 * y + d / 2) != expected) {
                    QFAIL(qPrintable(QStringLiteral("device pixel of (%1, %2) differs").arg(x).arg(y)));
                }
            }
        }
    }
}

void tst_HighDpi::theIconIsDrawnForTheDenserScreen()
{
    const QPixmap icon = programIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(icon.size(), QSize(64, 64));
    const QImage image = icon.toImage();
    auto rowWidth = [&image](int y) {
        int width = 0;
        for (int x = 0; x < image.width(); ++x) {
            width += qAlpha(image.pixel(x, y)) != 0 ? 1 : 0;
        }
        return width;
    };
    // Drawn for 64 device pixels, the sides step out one device pixel every two rows; a
    // doubled 32-pixel icon would step two pixels every four rows.
    QCOMPARE(rowWidth(0), 2);
    QCOMPARE(rowWidth(2), 4);
    QCOMPARE(rowWidth(4), 6);
    QCOMPARE(rowWidth(63), 64);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_HighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
