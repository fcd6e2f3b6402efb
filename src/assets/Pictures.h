// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The four pictures the windows show (unit, ten, hundred and the triangle icon), drawn by code
// from their pixel layout so that no image file has to travel with the program.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace bexalo {

enum class PictureId { None, Unita, Decina, Centinaio, Triangolo };

// Natural size in picture pixels; one picture pixel is shown as 15 twips.
QSize pictureSize(PictureId id);

// The picture at its natural size. At a device pixel ratio above 1 the image has
// natural size x ratio device pixels and carries that ratio, so its logical size is unchanged
// while the shapes are drawn sharp at the screen's resolution.
QImage drawPicture(PictureId id, qreal devicePixelRatio = 1.0);

// The picture source of the exercise windows' tables, which name their pictures "Unita",
// "Decina" and "Centinaio". A name it does not know stops the program, naming the picture.
QImage drawNamedPicture(const char *name, qreal devicePixelRatio);

// The triangle at the usual icon sizes, each drawn at its own size.
QIcon programIcon();

} // namespace bexalo
