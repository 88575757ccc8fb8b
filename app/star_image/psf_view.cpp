// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/psf_view.h"

#include <QPainter>

#include "psfview/psf_picture_painter.h"

namespace voka {

namespace {

constexpr int kPreferredImageSide = 420;
constexpr int kSmallestImageSide = 160;

}  // namespace

PsfView::PsfView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PsfView::Show(PsfPicture picture) {
  picture_ = std::move(picture);
  update();
}

void PsfView::Clear() {
  picture_ = PsfPicture();
  update();
}

QSize PsfView::sizeHint() const {
  return psfview::PictureSizeFor(kPreferredImageSide);
}

QSize PsfView::minimumSizeHint() const {
  return psfview::PictureSizeFor(kSmallestImageSide);
}

void PsfView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  psfview::PaintPsfPicture(painter, size(), picture_, palette().color(QPalette::WindowText));
}

}  // namespace voka
