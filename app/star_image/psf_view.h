// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "psfview/psf_picture.h"

namespace voka {

using psfview::PsfPicture;

// The star image with axes in arcseconds and a colour bar labelled in
// decades below the peak. It only paints what it is given.
class PsfView : public QWidget {
  Q_OBJECT

 public:
  explicit PsfView(QWidget* parent = nullptr);

  void Show(PsfPicture picture);
  void Clear();
  const PsfPicture& Picture() const { return picture_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PsfPicture picture_;
};

}  // namespace voka
