// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace voka {

// The camera's picture enlarged to the widget by whole pixels, each sensor
// pixel a sharp square, as a camera's pixels look when zoomed in.
class CameraPictureView : public QWidget {
  Q_OBJECT

 public:
  explicit CameraPictureView(QWidget* parent = nullptr);

  void Show(QImage picture);
  const QImage& Picture() const { return picture_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace voka
