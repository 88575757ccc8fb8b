// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/common/latest_only_runner.h"
#include "app/compare/compare_job.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace voka {

class PsfView;

// 「比較」: two pupils, A and B, each a design file, a bitmap or the
// designer's current pupil, computed on one grid with one normalisation;
// A and B shown on one log scale and colour bar, the change from A to B
// (B − A or log10(B/A)) in a diverging map, and the numbers of both with
// their change. In camera mode the same of the two camera images, on one
// stretch, with the camera's numbers. Computing runs on the runner's thread.
class CCompareDlg : public QDialog {
  Q_OBJECT

 public:
  using FileChooser = std::function<QString(const QString& filter)>;
  // The designer's current design, if one can be drawn.
  using DesignSource = std::function<std::optional<pupils::PupilDesign>()>;
  // The camera window's settings while it is open; nothing otherwise.
  using CameraSource = std::function<std::optional<CameraWindowSettings>()>;

  explicit CCompareDlg(DesignSource currentDesign, QWidget* parent = nullptr);
  ~CCompareDlg() override;

  // Sets A (index 0) or B (1) and starts a computation when both are set.
  void SetPupil(int index, ComparedPupil pupil);
  // Opens a design (.json) or a bitmap (.bmp) as A or B.
  void OpenFile(int index, const QString& path);
  void UseCurrentDesign(int index);
  void Swap();
  void Cancel();

  bool IsComputing() const { return runner_.IsBusy(); }
  const CompareOutcome& Shown() const { return shown_; }
  QTableWidget* NumbersTable() const { return numbers_; }

  // Compares the camera images instead of the star images.
  void SetCameraMode(bool on);

  FileChooser chooseOpenFile;
  // Where camera mode takes its settings from; the defaults when unset or
  // when it gives nothing.
  CameraSource cameraSettings;

 signals:
  void Updated();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void Recompute();
  void ShowOutcome(const CompareOutcome& outcome);
  void Redraw();
  void FillNumbers();
  void RedrawCamera();
  void FillCameraNumbers();
  void ShowStatus(const QString& text, bool refusal);
  QString RefusalText(const CompareOutcome& outcome) const;

  DesignSource currentDesign_;
  LatestOnlyRunner runner_;
  ComparedPupil pupils_[2];
  CompareOutcome shown_;
  CameraWindowSettings shownCamera_;  // the exposure and stretch of the shown camera images

  QLabel* names_[2] = {};
  PsfView* views_[3] = {};
  QComboBox* changeScale_ = nullptr;
  QCheckBox* cameraMode_ = nullptr;
  QSpinBox* sideN_ = nullptr;
  QSpinBox* padQ_ = nullptr;
  QSpinBox* decades_ = nullptr;
  QSpinBox* field_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace voka
