// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include "psfview/psf_picture.h"

class QPainter;

namespace voka::psfview {

// The whole size that gives the image a square of imageSide pixels, with room
// around it for the tick labels, the axis titles and the colour bar.
QSize PictureSizeFor(int imageSide);

// Where the image goes in a picture of the whole size: the largest square
// beside the margins, so that an arcsecond is as long across as up.
QRect PictureImageArea(const QSize& whole);

// The image with axes in arcseconds and a colour bar labelled in decades below
// the peak, over a background already filled; lines and labels in `ink`.
void PaintPsfPicture(QPainter& painter, const QSize& whole, const PsfPicture& picture,
                     const QColor& ink);

}  // namespace voka::psfview
