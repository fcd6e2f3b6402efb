// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The pictures are lists of solid rectangles in picture pixels (the triangle is drawn row by
// row), filled at device resolution so that higher pixel ratios stay crisp.
#include "assets/Pictures.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace bexalo {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kLightBlue = 0xFF0080FF;
constexpr QRgb kPink = 0xFFFF0080;
constexpr QRgb kRed = 0xFFFF0000;

constexpr int kSquare = 8;
constexpr int kTenStep = 11;
constexpr int kTenFirstX = 6;
constexpr int kTenY = 7;
constexpr std::array<int, 10> kHundredColumns{5, 17, 29, 40, 51, 62, 73, 84, 95, 106};
constexpr int kHundredFirstY = 7;
constexpr int kHundredRowStep = 13;
// Nine rows fit (the last at y 111..118); a tenth would run into the bottom frame at y 124,
// so the rows stop there and leave a white margin of five pixels above it.
constexpr int kHundredRows = 9;
// A touch of shading: in every row the 2nd, 5th and 8th square have their two rightmost
// pixel columns in the lighter blue.
constexpr int kShadeColumns = 2;

struct Fill {
    QRect rect; // picture pixels
    QRgb colour;
};

bool isShaded(int column) { return column % 3 == 1; }

void addSquare(std::vector<Fill> &fills, int x, int y, int column)
{
    fills.push_back({QRect(x, y, kSquare, kSquare), kBlue});
    if (isShaded(column))
        fills.push_back({QRect(x + kSquare - kShadeColumns, y, kShadeColumns, kSquare), kLightBlue});
}

void addFrame(std::vector<Fill> &fills, QSize size, QRgb colour)
{
    const int w = size.width(), h = size.height();
    fills.push_back({QRect(0, 0, w, 2), colour});
    fills.push_back({QRect(0, h - 2, w, 2), colour});
    fills.push_back({QRect(0, 0, 2, h), colour});
    fills.push_back({QRect(w - 2, 0, 2, h), colour});
}

std::vector<Fill> placeValueFills(PictureId id)
{
    std::vector<Fill> fills;
    switch (id) {
    case PictureId::Unita:
        fills.push_back({QRect(7, 5, kSquare, kSquare), kLightBlue});
        break;
    case PictureId::Decina:
        addFrame(fills, pictureSize(id), kPink);
        for (int column = 0; column < 10; ++column)
            addSquare(fills, kTenFirstX + column * kTenStep, kTenY, column);
        break;
    case PictureId::Centinaio:
        addFrame(fills, pictureSize(id), kRed);
        for (int row = 0; row < kHundredRows; ++row)
            for (int column = 0; column < int(kHundredColumns.size()); ++column)
                addSquare(fills, kHundredColumns[column], kHundredFirstY + row * kHundredRowStep, column);
        break;
    default:
        break;
    }
    return fills;
}

int toDevice(int pixels, qreal ratio) { return int(std::lround(pixels * ratio)); }

// The pixel ratio is set only once drawing is done, so all drawing is in device pixels.
QImage blankImage(QSize natural, qreal ratio, QRgb background)
{
    QImage image(toDevice(natural.width(), ratio), toDevice(natural.height(), ratio), QImage::Format_ARGB32);
    image.fill(background);
    return image;
}

QImage drawPlaceValue(PictureId id, qreal ratio)
{
    QImage image = blankImage(pictureSize(id), ratio, kWhite);
    {
        QPainter painter(&image);
        // Each edge is rounded on its own so neighbouring fills meet without gaps at any ratio.
        for (const Fill &fill : placeValueFills(id)) {
            const QRect r = fill.rect;
            const int x0 = toDevice(r.left(), ratio), x1 = toDevice(r.left() + r.width(), ratio);
            const int y0 = toDevice(r.top(), ratio), y1 = toDevice(r.top() + r.height(), ratio);
            painter.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), QColor::fromRgba(fill.colour));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

// A point-up triangle as tall and as wide as the square image. Row y is y + 1 pixels wide,
// rounded up to the parity of the side so it stays centred: at 32 pixels this gives the two
// 2-pixel rows at the top, one pixel more on each side every two rows, and full width at the
// bottom. Each size gets its own rows, never a scaled copy.
void fillTriangle(QImage &image)
{
    const int side = image.width();
    for (int y = 0; y < side; ++y) {
        int width = y + 1;
        if ((width - side) % 2 != 0)
            ++width;
        width = std::min(width, side);
        const int left = (side - width) / 2;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + left, line + left + width, kBlue);
    }
}

QImage drawTriangle(qreal ratio)
{
    QImage image = blankImage(pictureSize(PictureId::Triangolo), ratio, 0x00000000);
    fillTriangle(image);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

QSize pictureSize(PictureId id)
{
    switch (id) {
    case PictureId::Unita:
        return {22, 18};
    case PictureId::Decina:
        return {119, 21};
    case PictureId::Centinaio:
        return {119, 126};
    case PictureId::Triangolo:
        return {32, 32};
    case PictureId::None:
        break;
    }
    return {};
}

QImage drawPicture(PictureId id, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    switch (id) {
    case PictureId::Unita:
    case PictureId::Decina:
    case PictureId::Centinaio:
        return drawPlaceValue(id, ratio);
    case PictureId::Triangolo:
        return drawTriangle(ratio);
    case PictureId::None:
        break;
    }
    return {};
}

QImage drawNamedPicture(const char *name, qreal devicePixelRatio)
{
    static constexpr std::pair<const char *, PictureId> kNamed[] = {
        {"Unita", PictureId::Unita}, {"Decina", PictureId::Decina}, {"Centinaio", PictureId::Centinaio}};
    for (const auto &[known, id] : kNamed) {
        if (qstrcmp(name, known) == 0) {
            return drawPicture(id, devicePixelRatio);
        }
    }
    qFatal("no picture named %s", name);
}

// Drawn once, by main.cpp, for the application: every window inherits it from there.
QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128, 256}) {
        QImage image = blankImage(QSize(side, side), 1.0, 0x00000000);
        fillTriangle(image);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace bexalo
