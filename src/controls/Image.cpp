// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Image.h"

#include "controls/Twips.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace bexalo {

Image::Image(const ControlDesign &design, PictureSource pictures, QWidget *parent)
    : QWidget(parent), Control(design, this), m_picture(design.picture), m_pictures(pictures)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, m_picture != nullptr);
    if (m_picture) {
        if (!m_pictures) {
            qFatal("%s: %s shows picture %s, and the window has no picture source", qPrintable(window()->objectName()),
                   qPrintable(objectName()), m_picture);
        }
        resize(m_pictures(m_picture, 1.0).size());
    } else {
        resize(twipsToPixels(float(design.width)), twipsToPixels(float(design.height)));
    }
}

void Image::move(float left, float top, float, float) { QWidget::move(twipsToPixels(left), twipsToPixels(top)); }

void Image::paintEvent(QPaintEvent *)
{
    if (!m_picture) {
        return;
    }
    // Every slot of an array shows the same picture: each is drawn once per device pixel ratio.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("bexalo/picture/%1@%2").arg(QString::fromUtf8(m_picture)).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(m_pictures(m_picture, ratio));
        QPixmapCache::insert(key, pixmap);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap);
}

} // namespace bexalo
