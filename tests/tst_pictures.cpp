// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The pictures drawn by code: their sizes, colours and the pixels their layout fixes, and their
// sharp rendering at higher pixel ratios.
#include "assets/Pictures.h"

#include <QtTest>

using namespace bexalo;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kLightBlue = 0xFF0080FF;
constexpr QRgb kTransparent = 0x00000000;

bool isSquareColour(QRgb c) { return c == kBlue || c == kLightBlue; }

// Top-left corners of the 8x8 squares of a place-value picture.
QList<QPoint> squareCorners(PictureId id)
{
    QList<QPoint> corners;
    if (id == PictureId::Unita) {
        corners.append({7, 5});
    } else if (id == PictureId::Decina) {
        for (int i = 0; i < 10; ++i)
            corners.append({6 + 11 * i, 7});
    } else if (id == PictureId::Centinaio) {
        const int columns[] = {5, 17, 29, 40, 51, 62, 73, 84, 95, 106};
        for (int y = 7; y + 8 <= 126 - 2; y += 13)
            for (int x : columns)
                corners.append({x, y});
    }
    return corners;
}

bool inAnySquare(const QList<QPoint> &corners, int x, int y)
{
    for (const QPoint &c : corners)
        if (x >= c.x() && x < c.x() + 8 && y >= c.y() && y < c.y() + 8)
            return true;
    return false;
}

} // namespace

class tst_Pictures : public QObject {
    Q_OBJECT

private slots:
    void eachPictureHasItsNaturalSizeAndFormat_data();
    void eachPictureHasItsNaturalSizeAndFormat();
    void placeValuePicturesAreWhiteExceptFrameAndSquares_data();
    void placeValuePicturesAreWhiteExceptFrameAndSquares();
    void unitSquareIsTheOnlyColouredBlock();
    void framesAreTwoPixelsWideInTheirColour_data();
    void framesAreTwoPixelsWideInTheirColour();
    void squaresAreSolidWithLighterColumnsOnlyAtOneSide_data();
    void squaresAreSolidWithLighterColumnsOnlyAtOneSide();
    void hundredHasNineRowsOfTenAndAMarginAboveItsFrame();
    void triangleGrowsOnePixelPerSideEveryTwoRows();
    void higherRatioKeepsTheLogicalSize_data();
    void higherRatioKeepsTheLogicalSize();
    void ratioTwoPlaceValuePicturesAreExactlyDoubled_data();
    void ratioTwoPlaceValuePicturesAreExactlyDoubled();
    void triangleAtHigherRatioIsCrispNotBlurred();
    void programIconOffersEveryUsualSize();
    void noPictureGivesANullImage();
};

void tst_Pictures::eachPictureHasItsNaturalSizeAndFormat_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("unit") << PictureId::Unita << QSize(22, 18);
    QTest::newRow("ten") << PictureId::Decina << QSize(119, 21);
    QTest::newRow("hundred") << PictureId::Centinaio << QSize(119, 126);
    QTest::newRow("triangle") << PictureId::Triangolo << QSize(32, 32);
}

void tst_Pictures::eachPictureHasItsNaturalSizeAndFormat()
{
    QFETCH(PictureId, id);
    QFETCH(QSize, size);
    QCOMPARE(pictureSize(id), size);
    const QImage image = drawPicture(id);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.devicePixelRatio(), 1.0);
}

void tst_Pictures::placeValuePicturesAreWhiteExceptFrameAndSquares_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("frame");
    QTest::newRow("unit") << PictureId::Unita << 0;
    QTest::newRow("ten") << PictureId::Decina << 2;
    QTest::newRow("hundred") << PictureId::Centinaio << 2;
}

void tst_Pictures::placeValuePicturesAreWhiteExceptFrameAndSquares()
{
    QFETCH(PictureId, id);
    QFETCH(int, frame);
    const QImage image = drawPicture(id);
    const QList<QPoint> corners = squareCorners(id);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(qAlpha(c) == 255, qPrintable(QStringLiteral("transparent at %1,%2").arg(x).arg(y)));
            const bool onFrame = x < frame || y < frame || x >= image.width() - frame || y >= image.height() - frame;
            if (onFrame)
                continue;
            if (inAnySquare(corners, x, y))
                QVERIFY2(isSquareColour(c),
                         qPrintable(QStringLiteral("square pixel %1,%2 is %3").arg(x).arg(y).arg(c, 8, 16)));
            else
                QVERIFY2(c == kWhite, qPrintable(QStringLiteral("background %1,%2 is %3").arg(x).arg(y).arg(c, 8, 16)));
        }
    }
}

void tst_Pictures::unitSquareIsTheOnlyColouredBlock()
{
    const QImage image = drawPicture(PictureId::Unita);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inSquare = x >= 7 && x <= 14 && y >= 5 && y <= 12;
            QCOMPARE(image.pixel(x, y), inSquare ? kLightBlue : kWhite);
        }
}

void tst_Pictures::framesAreTwoPixelsWideInTheirColour_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("ten, deep pink") << PictureId::Decina << QRgb(0xFFFF0080);
    QTest::newRow("hundred, red") << PictureId::Centinaio << QRgb(0xFFFF0000);
}

void tst_Pictures::framesAreTwoPixelsWideInTheirColour()
{
    QFETCH(PictureId, id);
    QFETCH(QRgb, colour);
    const QImage image = drawPicture(id);
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int depth = std::min({x, y, w - 1 - x, h - 1 - y});
            if (depth < 2)
                QCOMPARE(image.pixel(x, y), colour);
            else if (depth == 2) // the ring just inside the frame is background
                QCOMPARE(image.pixel(x, y), kWhite);
        }
}

void tst_Pictures::squaresAreSolidWithLighterColumnsOnlyAtOneSide_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("squares");
    QTest::newRow("ten: one row of ten") << PictureId::Decina << 10;
    QTest::newRow("hundred: nine rows of ten") << PictureId::Centinaio << 90;
}

void tst_Pictures::squaresAreSolidWithLighterColumnsOnlyAtOneSide()
{
    QFETCH(PictureId, id);
    QFETCH(int, squares);
    const QImage image = drawPicture(id);
    const QList<QPoint> corners = squareCorners(id);
    QCOMPARE(corners.size(), squares);
    int partlyLight = 0;
    for (const QPoint &c : corners) {
        // Each pixel column of a square is one colour; the light ones form a run at one edge.
        QList<QRgb> columns;
        for (int dx = 0; dx < 8; ++dx) {
            const QRgb top = image.pixel(c.x() + dx, c.y());
            QVERIFY(isSquareColour(top));
            for (int dy = 1; dy < 8; ++dy)
                QCOMPARE(image.pixel(c.x() + dx, c.y() + dy), top);
            columns.append(top);
        }
        const qsizetype light = columns.count(kLightBlue);
        QVERIFY2(light < 8, "a square is mostly #0000FF");
        if (light == 0)
            continue;
        ++partlyLight;
        const bool atLeft = columns.mid(0, light).count(kLightBlue) == light;
        const bool atRight = columns.mid(8 - light).count(kLightBlue) == light;
        QVERIFY2(atLeft || atRight, qPrintable(QStringLiteral("square at %1,%2").arg(c.x()).arg(c.y())));
    }
    QVERIFY(partlyLight > 0);
    QVERIFY(partlyLight < squares);
}

void tst_Pictures::hundredHasNineRowsOfTenAndAMarginAboveItsFrame()
{
    const QImage image = drawPicture(PictureId::Centinaio);
    // Last row of squares ends at y 118; y 119..123 stay white down to the frame at 124.
    for (int y = 119; y <= 123; ++y)
        for (int x = 2; x < 117; ++x)
            QCOMPARE(image.pixel(x, y), kWhite);
    for (int y : {7, 111})
        for (int x : {5, 17, 29, 40, 51, 62, 73, 84, 95, 106})
            QVERIFY(isSquareColour(image.pixel(x, y)));
    // Between columns 29 and 40 there are only three white pixels (37..39).
    QCOMPARE(image.pixel(37, 7), kWhite);
    QCOMPARE(image.pixel(39, 7), kWhite);
}

void tst_Pictures::triangleGrowsOnePixelPerSideEveryTwoRows()
{
    const QImage image = drawPicture(PictureId::Triangolo);
    for (int y = 0; y < 32; ++y) {
        const int first = 15 - y / 2, last = 16 + y / 2;
        for (int x = 0; x < 32; ++x) {
            const QRgb expected = (x >= first && x <= last) ? kBlue : kTransparent;
            QVERIFY2(image.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(image.pixel(x, y), 8, 16)));
        }
    }
    QCOMPARE(image.pixel(15, 0), kBlue);
    QCOMPARE(image.pixel(14, 1), kTransparent);
    QCOMPARE(image.pixel(0, 31), kBlue);
    QCOMPARE(image.pixel(31, 30), kBlue);
}

void tst_Pictures::higherRatioKeepsTheLogicalSize_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("deviceSize");
    QTest::newRow("unit x2") << PictureId::Unita << 2.0 << QSize(44, 36);
    QTest::newRow("ten x2") << PictureId::Decina << 2.0 << QSize(238, 42);
    QTest::newRow("hundred x2") << PictureId::Centinaio << 2.0 << QSize(238, 252);
    QTest::newRow("triangle x2") << PictureId::Triangolo << 2.0 << QSize(64, 64);
    QTest::newRow("unit x1.5") << PictureId::Unita << 1.5 << QSize(33, 27);
    QTest::newRow("triangle x1.25") << PictureId::Triangolo << 1.25 << QSize(40, 40);
}

void tst_Pictures::higherRatioKeepsTheLogicalSize()
{
    QFETCH(PictureId, id);
    QFETCH(qreal, ratio);
    QFETCH(QSize, deviceSize);
    const QImage image = drawPicture(id, ratio);
    QCOMPARE(image.size(), deviceSize);
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(image.deviceIndependentSize().toSize(), pictureSize(id));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
}

void tst_Pictures::ratioTwoPlaceValuePicturesAreExactlyDoubled_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::newRow("unit") << PictureId::Unita;
    QTest::newRow("ten") << PictureId::Decina;
    QTest::newRow("hundred") << PictureId::Centinaio;
}

void tst_Pictures::ratioTwoPlaceValuePicturesAreExactlyDoubled()
{
    QFETCH(PictureId, id);
    const QImage one = drawPicture(id);
    const QImage two = drawPicture(id, 2.0);
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            QVERIFY2(two.pixel(x, y) == one.pixel(x / 2, y / 2),
                     qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
}

void tst_Pictures::triangleAtHigherRatioIsCrispNotBlurred()
{
    const QImage image = drawPicture(PictureId::Triangolo, 2.0);
    for (int y = 0; y < image.height(); ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(c == kBlue || c == kTransparent, "no blended edge pixels");
            if (c == kBlue) {
                if (first < 0)
                    first = x;
                QVERIFY2(last < 0 || last == x - 1, "each row is one run");
                last = x;
            }
        }
        QCOMPARE(first + last, image.width() - 1); // centred
    }
    // Drawn at its own resolution: the apex is 2 device pixels wide, not a doubled 4.
    QCOMPARE(image.pixel(31, 0), kBlue);
    QCOMPARE(image.pixel(30, 0), kTransparent);
    QCOMPARE(image.pixel(0, 63), kBlue);
    QCOMPARE(image.pixel(63, 63), kBlue);
}

void tst_Pictures::programIconOffersEveryUsualSize()
{
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
             drawPicture(PictureId::Triangolo));
    const QImage small = icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(small.pixel(7, 0), kBlue);
    QCOMPARE(small.pixel(6, 0), kTransparent);
    QCOMPARE(small.pixel(0, 15), kBlue);
}

void tst_Pictures::noPictureGivesANullImage()
{
    QVERIFY(drawPicture(PictureId::None).isNull());
    QVERIFY(pictureSize(PictureId::None).isEmpty());
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
