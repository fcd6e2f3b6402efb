// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Writes the program's triangle icon as the files an installed program needs, each size drawn
// by the same code that draws the window icon (never a scaled copy):
//   make_icons hicolor <dir>   <dir>/<n>x<n>/apps/bexalo.png for the hicolor theme
//   make_icons ico <file>      one Windows .ico holding every size
#include "assets/Pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <array>
#include <cstdio>

namespace {

constexpr std::array<int, 6> kSides{16, 32, 48, 64, 128, 256};

QImage iconImage(int side)
{
    const qreal ratio = qreal(side) / bexalo::pictureSize(bexalo::PictureId::Triangolo).width();
    QImage image = bexalo::drawPicture(bexalo::PictureId::Triangolo, ratio);
    if (image.size() != QSize(side, side))
        return {};
    image.setDevicePixelRatio(1.0);
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool writeHicolor(const QString &dir)
{
    for (int side : kSides) {
        const QString path = QStringLiteral("%1/%2x%2/apps/bexalo.png").arg(dir).arg(side);
        if (!writeFile(path, pngBytes(iconImage(side))))
            return false;
    }
    return true;
}

// An .ico is a small directory of images; every entry here is a PNG, which Windows reads at
// any size and which keeps the transparency.
bool writeIco(const QString &path)
{
    QByteArray header(6, '\0'), entries, images;
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(quint16(kSides.size()), header.data() + 4);
    quint32 offset = quint32(6 + 16 * kSides.size());
    for (int side : kSides) {
        const QByteArray png = pngBytes(iconImage(side));
        if (png.isEmpty())
            return false;
        QByteArray entry(16, '\0');
        entry[0] = char(side % 256); // 0 stands for 256
        entry[1] = char(side % 256);
        qToLittleEndian<quint16>(1, entry.data() + 4);  // planes
        qToLittleEndian<quint16>(32, entry.data() + 6); // bits per pixel
        qToLittleEndian<quint32>(quint32(png.size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += quint32(png.size());
        entries += entry;
        images += png;
    }
    return writeFile(path, header + entries + images);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_icons hicolor|ico <path>\n");
        return 2;
    }
    const QString &kind = args.at(1), &path = args.at(2);
    bool written = false;
    if (kind == QLatin1String("hicolor"))
        written = writeHicolor(path);
    else if (kind == QLatin1String("ico"))
        written = writeIco(path);
    if (!written) {
        std::fprintf(stderr, "make_icons: could not write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
