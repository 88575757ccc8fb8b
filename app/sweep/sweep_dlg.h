// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "app/common/every_point_runner.h"
#include "pupils/pupil_design.h"
#include "studies/sweep_request.h"
#include "studies/sweep_run.h"

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QSpinBox;

namespace voka {

class CStarImageDlg;

// The sweep of one design number: a parameter path of the design, from, to
// and the number of steps; every step computed on the every-point runner,
// the numbers plotted against the parameter, a CSV of them, and a click on
// a point shows that step's star image.
class CSweepDlg : public QDialog {
  Q_OBJECT

 public:
  using SaveChooser = std::function<QString(const QString& filter)>;

  explicit CSweepDlg(QWidget* parent = nullptr);
  ~CSweepDlg() override;

  // The design whose parameter is swept; the list of paths follows it.
  void SetDesign(const pupils::PupilDesign& design);
  // Chooses a path of the list and the range; Start runs it.
  bool ChoosePath(const QString& path);
  void SetRange(double from, double to, int steps);
  void Start();
  void Cancel();
  void SaveCsv();
  // The star image of step `index` in the star-image window.
  void ShowStep(int index);

  bool IsComputing() const { return runner_.IsBusy(); }
  // The finished steps in range order (all of them once a sweep is done).
  const std::vector<std::optional<studies::SweepStep>>& Steps() const { return steps_; }
  const studies::SweepRequest& Request() const { return request_; }
  QChartView* Chart() const { return chart_; }
  // The series whose points are clicked, and the star-image window a click opened.
  QScatterSeries* ClickableSeries() const { return clickable_; }
  CStarImageDlg* StarImageWindow() const { return starImage_; }

  SaveChooser chooseSavePath;

 signals:
  void Finished(bool complete);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void OnPathChosen();
  void OnStepDone(std::size_t index, studies::SweepStep step);
  void Plot();
  void OnPointClicked(const QPointF& point);
  void ShowStatus(const QString& text, bool refusal);
  QString RefusalText(const studies::SweepRefusal& refusal) const;

  pupils::PupilDesign design_;
  studies::SweepRequest request_;
  std::vector<std::optional<studies::SweepStep>> steps_;
  EveryPointRunner runner_;
  QPointer<CStarImageDlg> starImage_;
  bool refused_ = false;

  QComboBox* path_ = nullptr;
  QDoubleSpinBox* from_ = nullptr;
  QDoubleSpinBox* to_ = nullptr;
  QSpinBox* stepCount_ = nullptr;
  QSpinBox* sideN_ = nullptr;
  QSpinBox* padQ_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* saveCsv_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QChartView* chart_ = nullptr;
  QScatterSeries* clickable_ = nullptr;
};

}  // namespace voka
