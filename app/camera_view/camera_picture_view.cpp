// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/camera_view/camera_picture_view.h"

#include <QPainter>
#include <algorithm>

namespace voka {

namespace {

constexpr int kPreferredSide = 512;
constexpr int kSmallestSide = 192;

}  // namespace

CameraPictureView::CameraPictureView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CameraPictureView::Show(QImage picture) {
  picture_ = std::move(picture);
  update();
}

QSize CameraPictureView::sizeHint() const {
  return {kPreferredSide, kPreferredSide};
}

QSize CameraPictureView::minimumSizeHint() const {
  return {kSmallestSide, kSmallestSide};
}

void CameraPictureView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (picture_.isNull()) return;
  const int room = std::min(width(), height());
  const int scale = std::max(1, room / std::max(picture_.width(), picture_.height()));
  const QSize shown = picture_.size() * scale;
  const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, picture_);
}

}  // namespace voka
