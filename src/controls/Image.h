// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A picture at its natural size, one picture pixel per 15 twips, never stretched: moving the
// control moves the picture and leaves its size alone. The picture comes from the source the
// window's table hands the builder, by the name the image's row gives.
#pragma once

#include "controls/Control.h"

#include <QWidget>

namespace bexalo {

class Image : public QWidget, public Control {
    Q_OBJECT
public:
    Image(const ControlDesign &design, PictureSource pictures, QWidget *parent);

    void move(float left, float top, float width, float height) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const char *m_picture;
    PictureSource m_pictures;
};

} // namespace bexalo
