#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

class QPainter;

namespace voka {

// What the star-image view shows: the colour-mapped log image (top row is
// +y, as the sky is seen), the angle from its centre to its edges, and the
// colour map from the floor (first) to the peak (last) for the colour bar.
struct PsfPicture {
  QImage image;
  double halfWidthArcsec = 0.0;
  int decades = 0;
  std::vector<QRgb> colourMap;
};

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
  QRect ImageArea() const;
  void PaintAxes(QPainter& painter, const QRect& area) const;
  void PaintColourBar(QPainter& painter, const QRect& area) const;

  PsfPicture picture_;
};

}  // namespace voka
