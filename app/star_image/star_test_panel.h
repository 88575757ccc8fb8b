// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "app/common/latest_only_runner.h"
#include "app/star_image/star_image_job.h"
#include "psf/star_test.h"

class QDoubleSpinBox;
class QLabel;

namespace voka {

class PsfView;

// The star test beside the star image: the images at −k, 0 and +k waves of
// defocus side by side on one colour scale. It follows the window's pupil
// and settings while it is in view, on a runner of its own, so a newer
// request cancels the one that runs.
class StarTestPanel : public QWidget {
  Q_OBJECT

 public:
  explicit StarTestPanel(QWidget* parent = nullptr);
  ~StarTestPanel() override;

  // The star image's pupil and settings, and the defocus the design's own
  // wavefront carries (for the sampling guard). Computed now if the panel
  // is in view, else when it comes into view; an unchanged request is not
  // computed again.
  void Follow(const StarImageRequest& request, double designDefocusRmsNm);
  void SetDecades(int decades);

  bool IsComputing() const { return runner_.IsBusy(); }
  // The test on screen, or null.
  const psf::StarTestImages* Shown() const { return shown_.get(); }
  const PsfView& View(int plane) const { return *views_[static_cast<std::size_t>(plane)]; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Compute();
  void ShowTest(std::shared_ptr<const psf::StarTestImages> test);
  void ShowPictures();
  void ShowGuard();
  bool SameAsComputed(const StarImageRequest& request) const;

  LatestOnlyRunner runner_;
  StarImageRequest request_;
  StarImageRequest computed_;  // what was last submitted
  double designDefocusRmsNm_ = 0.0;
  bool stale_ = false;
  bool submitted_ = false;  // computed_ holds a request
  int decades_ = 0;
  std::shared_ptr<const psf::StarTestImages> shown_;

  QDoubleSpinBox* waves_ = nullptr;
  std::array<PsfView*, 3> views_{};
  std::array<QLabel*, 3> headings_{};
  QLabel* status_ = nullptr;
  QLabel* guard_ = nullptr;
};

}  // namespace voka
