// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <string>

#include "app/camera_view/camera_view_job.h"
#include "app/common/latest_only_runner.h"
#include "camera/exposure.h"
#include "dib/dib_handle.h"

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

namespace voka {

class PostedCalls;

class CameraPictureView;

// The camera-image window: the star as a camera records it, in white light
// through the sensor's pixels, exposed and stretched, with its numbers. It
// follows the pupil it is given as the star-image window does: every
// computation runs on the runner's thread, and a newer request supersedes
// it. The exposure, the stretch and the saturated colour only redraw.
class CCameraViewDlg : public QDialog {
  Q_OBJECT

 public:
  // Asks for a file; an empty result means the user cancelled.
  using PathChooser = std::function<QString(const QString& title, const QString& suggestedName,
                                            const QString& filter)>;
  using MessageSink = std::function<void(const QString& text)>;

  explicit CCameraViewDlg(QWidget* parent = nullptr);
  ~CCameraViewDlg() override;

  // A pupil on a grid, or one the window draws (a design), and the aperture
  // its side spans.
  void ShowPupil(const psf::PupilField& pupil, double apertureDiameterMm);
  void ShowRenderedPupil(CameraPupilRenderer renderer, double apertureDiameterMm);
  // A bitmap's red channel at its own size, decoded on the computing thread.
  void ShowBitmapPupil(const DibHandle& dib, const QString& fileName);

  const CameraComputation* Shown() const { return shown_.get(); }
  bool IsComputing() const { return runner_.IsBusy(); }
  LatestOnlyRunner& Runner() { return runner_; }
  bool IsSaving() const { return savesRunning_ > 0; }
  // The exposure the slider shows: how many times the brightest pixel
  // exceeds full well.
  double Exposure() const;
  camera::DisplaySettings Display() const;
  // Every setting of the window, for a comparison made as it would be made.
  CameraWindowSettings WindowSettings() const;

  // Tests replace these to drive the window without a person.
  PathChooser chooseSavePath;
  PathChooser chooseOpenPath;
  MessageSink tellUser;

 signals:
  // A computation ended and its result, if any, is on screen.
  void Updated();
  // A save ended, written or not.
  void SaveEnded();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls(QVBoxLayout* panel);
  void BuildSpectrumControls(QFormLayout* form);
  void BuildDisplayControls(QFormLayout* form);
  void BuildExports(QVBoxLayout* panel);
  void ConnectControls();
  void SetAperture(double apertureDiameterMm);
  void NewPupil();

  camera::CameraSettings CurrentSettings() const;
  void Recompute();
  void Cancel();
  void OnStarted();
  void OnIdle();
  void ShowOutcome(const CameraOutcomeForWindow& outcome);
  void ShowStatus(const QString& text);
  void ShowRefusal(const QString& text);
  void ShowNumbers();
  void RedrawPicture();
  void ShowExposureText();
  void UpdateSpectrumControls();
  void ChooseSpectrumFile();
  void ChooseResponseFile();

  // Makes the bytes on a thread of the pool and writes them whole; the
  // status line says how it went.
  void SaveInBackground(const QString& title, const QString& suggestedName, const QString& filter,
                        std::function<std::string(QString& failure)> makeBytes);
  void ExportPng();
  void ExportFits();
  void ExportJson();

  LatestOnlyRunner runner_;
  std::shared_ptr<camera::CameraRenderer> renderer_ = std::make_shared<camera::CameraRenderer>();
  std::shared_ptr<const psf::PupilField> pupil_;
  CameraPupilRenderer renderPupil_;
  quint64 pupilVersion_ = 0;
  QString pupilName_;
  std::shared_ptr<const CameraComputation> shown_;
  QString spectrumPath_;
  QString responsePath_;
  int savesRunning_ = 0;

  CameraPictureView* view_ = nullptr;
  QDoubleSpinBox* pixelPitchUm_ = nullptr;
  QDoubleSpinBox* focalMm_ = nullptr;
  QDoubleSpinBox* apertureMm_ = nullptr;
  QSpinBox* fieldPixels_ = nullptr;
  QSpinBox* wavelengthCount_ = nullptr;
  QComboBox* spectrumKind_ = nullptr;
  QDoubleSpinBox* temperatureK_ = nullptr;
  QDoubleSpinBox* bandFromNm_ = nullptr;
  QDoubleSpinBox* bandToNm_ = nullptr;
  QPushButton* spectrumFile_ = nullptr;
  QComboBox* colourMode_ = nullptr;
  QPushButton* responseFile_ = nullptr;
  QPushButton* flatResponse_ = nullptr;
  QSlider* exposureSlider_ = nullptr;
  QLabel* exposureText_ = nullptr;
  QComboBox* stretch_ = nullptr;
  QComboBox* saturatedColour_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QLabel* samplingNote_ = nullptr;
  QPushButton* savePng_ = nullptr;
  QPushButton* saveFits_ = nullptr;
  QPushButton* saveJson_ = nullptr;
  // Last, so that it is destroyed first: its destructor waits for the saves.
  // Saves' results come back through this; it is a child, deleted after
  // savePool_ has waited for every save.
  PostedCalls* saveResults_ = nullptr;
  QThreadPool savePool_;
};

}  // namespace voka
