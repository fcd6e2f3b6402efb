#include "controls/Image.h"

#include "assets/Pictures.h"
#include "controls/Twips.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace bexalo {

namespace {

// Every slot of an array shows the same picture: draw each once per device pixel ratio.
const QPixmap &cachedPicture(PictureId id, qreal ratio)
{
    static QHash<QPair<int, qreal>, QPixmap> cache;
    const QPair<int, qreal> key(static_cast<int>(id), ratio);
    auto it = cache.find(key);
    if (it == cache.end()) {
        it = cache.insert(key, QPixmap::fromImage(drawPicture(id, ratio)));
    }
    return it.value();
}

} // namespace

Image::Image(const ControlSpec &design, QWidget *parent)
    : QWidget(parent), Control(design, this), m_picture(design.picture)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, m_picture != PictureId::None);
    if (m_picture != PictureId::None) {
        resize(pictureSize(m_picture));
    } else {
        resize(twipsToPixels(float(design.width)), twipsToPixels(float(design.height)));
    }
}

void Image::move(float left, float top, float, float)
{
    QWidget::move(twipsToPixels(left), twipsToPixels(top));
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture == PictureId::None) {
        return;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cachedPicture(m_picture, devicePixelRatioF()));
}

} // namespace bexalo
