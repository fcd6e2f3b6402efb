// A picture at its natural size, one picture pixel per 15 twips, never stretched: moving the
// control moves the picture and leaves its size alone.
#pragma once

#include "controls/Control.h"

#include <QWidget>

namespace bexalo {

class Image : public QWidget, public Control {
    Q_OBJECT
public:
    Image(const ControlSpec &design, QWidget *parent);

    PictureId picture() const { return m_picture; }
    void move(float left, float top, float width, float height) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureId m_picture;
};

} // namespace bexalo
