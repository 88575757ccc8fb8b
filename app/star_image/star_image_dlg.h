// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/common/latest_only_runner.h"
#include "app/star_image/design_optics.h"
#include "app/star_image/star_image_job.h"
#include "dib/dib_handle.h"
#include "psf/pupil_amplitude.h"

class QDoubleSpinBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QTableWidget;

namespace voka {

class CurveChart;
class PsfView;
class StarTestPanel;

// The star-image window: the star image of the current pupil in log scale
// with its numbers, encircled energy and MTF. Every computation runs on the
// runner's thread; a change of pupil or setting supersedes what runs, so the
// window answers at once and ends by showing the latest request.
class CStarImageDlg : public QDialog {
  Q_OBJECT

 public:
  // Asks for a file to save to; an empty result means the user cancelled.
  using SaveChooser = std::function<QString(const QString& title, const QString& suggestedName,
                                            const QString& filter)>;
  using MessageSink = std::function<void(const QString& text)>;

  explicit CStarImageDlg(QWidget* parent = nullptr);
  ~CStarImageDlg() override;

  // A bitmap's red channel at its own size, decoded on the computing thread;
  // the aperture stays as set in the window. A bitmap the painter cannot
  // draw or one too large is refused with a message.
  void ShowBitmapPupil(const DibHandle& dib, const QString& fileName);

  // The latest computation shown, or null; for the exports and the tests.
  const StarImageComputation* Shown() const { return shown_.get(); }
  StarTestPanel& StarTest() { return *starTest_; }
  bool IsComputing() const { return runner_.IsBusy(); }
  LatestOnlyRunner& Runner() { return runner_; }

  // Tests replace these to drive the window without a person.
  SaveChooser chooseSavePath;
  MessageSink tellUser;

 public slots:
  // A pupil given as a grid (for example a design's exact open fractions)
  // and the aperture diameter its side spans.
  void ShowPupil(const voka::psf::PupilAmplitude& pupil, double apertureDiameterMm);
  // A pupil that can be sampled at any side: the window's N chooses it, and
  // it is rendered on the computing thread, so the renderer must own what it
  // draws from (a copy of the design, not a reference into the designer).
  // An N over the renderer's largest side is refused, naming that side.
  // A design's focal length fills the focal-length box whenever the design
  // brings a value other than the one it brought last; a length typed in
  // the box holds until then.
  void ShowRenderedPupil(voka::PupilRenderer renderer, double apertureDiameterMm,
                         int largestSide = psf::kMaximumPupilSide,
                         const voka::DesignOptics& optics = {});
  void Cancel();

 signals:
  // A computation ended and its result, if any, is on screen.
  void Updated();

 protected:
  // A closed window stops computing for no one.
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls(QGridLayout* layout);
  void BuildResults(QGridLayout* layout);
  void BuildExports(QHBoxLayout* layout);
  void ConnectControls();
  void SetPupilSide(int side, bool chosenByWindow);
  void SetFixedPupil(psf::PupilAmplitude pupil, double apertureDiameterMm, const QString& name);

  // A new transform of the pupil.
  void Recompute();
  // Keeps the shown transform when only the zoom or the scale changed.
  void RezoomOrRecompute();
  void Submit(StarImageRequest request);
  StarImageRequest CurrentRequest() const;
  bool SameTransformAsShown(const StarImageRequest& request) const;
  void ShowOutcome(const StarImageOutcome& outcome);
  // The line under the progress bar: how the work stands, or in red why a
  // request was refused.
  void ShowStatus(const QString& text);
  void ShowRefusal(const QString& text);
  // The sampling guard of the design's defocus, and the star test, for
  // what is now asked.
  void FollowRequest(const StarImageRequest& request);
  void ShowComputation();
  void RedrawPicture();
  void OnStarted();
  void OnIdle(bool delivered);

  void ExportFits();
  void ExportCsv();
  void ExportPng();
  void SaveBytes(const QString& title, const QString& suggestedName, const QString& filter,
                 const std::string& bytes);

  LatestOnlyRunner runner_;
  std::shared_ptr<const psf::PupilAmplitude> pupil_;
  PupilRenderer renderer_;
  int largestRenderSide_ = psf::kMaximumPupilSide;
  std::shared_ptr<const StarImageComputation> shown_;
  QString pupilName_;
  quint64 pupilVersion_ = 0;
  DesignOptics designOptics_;
  std::optional<double> appliedDesignFocalMm_;

  PsfView* view_ = nullptr;
  CurveChart* encircledEnergyChart_ = nullptr;
  CurveChart* mtfChart_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QSpinBox* sideN_ = nullptr;
  QSpinBox* padQ_ = nullptr;
  QDoubleSpinBox* wavelengthNm_ = nullptr;
  QDoubleSpinBox* apertureMm_ = nullptr;
  QDoubleSpinBox* focalMm_ = nullptr;
  QSpinBox* decades_ = nullptr;
  QSlider* fieldSlider_ = nullptr;
  QDoubleSpinBox* fieldLambdaOverD_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* sampling_ = nullptr;
  StarTestPanel* starTest_ = nullptr;
  QPushButton* saveFits_ = nullptr;
  QPushButton* saveCsv_ = nullptr;
  QPushButton* savePng_ = nullptr;
};

}  // namespace voka
