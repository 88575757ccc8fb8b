// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sweep/sweep_dlg.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/common/library_texts.h"
#include "app/common/refusal_style.h"
#include "app/star_image/star_image_dlg.h"
#include "output/file_replace.h"
#include "pupils/open_fraction_render.h"
#include "pupils/star_pupil.h"
#include "studies/sweep_csv.h"
#include "studies/sweep_paths.h"
#include "threads/thread_budget.h"

namespace voka {

namespace {

constexpr int kInitialWidth = 1000;
constexpr int kInitialHeight = 700;
constexpr double kLargestValue = 1e5;
constexpr int kDefaultSweepSide = 512;
// The numbers plotted: all are fractions or ratios of 0..1.
constexpr int kPlottedColumns = 5;

QSpinBox* CountBox(const limits::Limit& limit, const char* name) {
  auto* box = new QSpinBox();
  box->setRange(static_cast<int>(limit.minimum), static_cast<int>(limit.maximum));
  box->setValue(static_cast<int>(limit.defaultValue));
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QDoubleSpinBox* ValueBox(const char* name) {
  auto* box = new QDoubleSpinBox();
  box->setRange(-kLargestValue, kLargestValue);
  box->setDecimals(4);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

CSweepDlg::CSweepDlg(QWidget* parent) : QDialog(parent), runner_(threads::ThreadBudget()) {
  setWindowTitle(tr("掃引"));
  setWindowFlags(Qt::Window);
  chooseSavePath = [this](const QString& filter) {
    return QFileDialog::getSaveFileName(this, windowTitle(), QStringLiteral("sweep.csv"), filter);
  };
  BuildControls();
  resize(kInitialWidth, kInitialHeight);
}

CSweepDlg::~CSweepDlg() = default;

void CSweepDlg::BuildControls() {
  auto* layout = new QGridLayout(this);
  auto* controls = new QHBoxLayout();
  path_ = new QComboBox();
  path_->setObjectName(QStringLiteral("path"));
  from_ = ValueBox("from");
  to_ = ValueBox("to");
  stepCount_ = CountBox(limits::SweepSteps(), "steps");
  sideN_ = CountBox(limits::PupilSide(), "sideN");
  sideN_->setValue(kDefaultSweepSide);
  padQ_ = CountBox(limits::PadFactor(), "padQ");
  const std::pair<QString, QWidget*> fields[] = {
      {tr("パラメーター"), path_}, {tr("から"), from_},        {tr("まで"), to_},
      {tr("点数"), stepCount_},    {tr("瞳の一辺 N"), sideN_}, {tr("拡大率 Q"), padQ_}};
  for (const auto& [label, widget] : fields) {
    controls->addWidget(new QLabel(label));
    controls->addWidget(widget);
  }
  layout->addLayout(controls, 0, 0);

  auto* work = new QHBoxLayout();
  start_ = new QPushButton(tr("計算"));
  start_->setObjectName(QStringLiteral("start"));
  cancel_ = new QPushButton(tr("中止"));
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setEnabled(false);
  saveCsv_ = new QPushButton(QStringLiteral("CSV..."));
  saveCsv_->setObjectName(QStringLiteral("saveCsv"));
  saveCsv_->setToolTip(tr("各点の値を CSV に保存します。"));
  saveCsv_->setEnabled(false);
  progress_ = new QProgressBar();
  progress_->setRange(0, 100);
  // A percentage only while something runs: "0%" beside a finished sweep reads as nothing done.
  progress_->setTextVisible(false);
  for (QWidget* widget : {static_cast<QWidget*>(start_), static_cast<QWidget*>(cancel_),
                          static_cast<QWidget*>(progress_), static_cast<QWidget*>(saveCsv_)})
    work->addWidget(widget);
  layout->addLayout(work, 1, 0);
  status_ = new QLabel();
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  layout->addWidget(status_, 2, 0);

  chart_ = new QChartView(new QChart());
  chart_->setObjectName(QStringLiteral("chart"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->chart()->legend()->setAlignment(Qt::AlignBottom);
  chart_->setToolTip(tr("点をクリックすると、その点の星像を表示します。"));
  layout->addWidget(chart_, 3, 0);
  layout->setRowStretch(3, 1);

  connect(path_, &QComboBox::currentIndexChanged, this, &CSweepDlg::OnPathChosen);
  connect(start_, &QPushButton::clicked, this, &CSweepDlg::Start);
  connect(cancel_, &QPushButton::clicked, this, &CSweepDlg::Cancel);
  connect(saveCsv_, &QPushButton::clicked, this, &CSweepDlg::SaveCsv);
  connect(&runner_, &EveryPointRunner::ProgressChanged, progress_, &QProgressBar::setValue);
  connect(&runner_, &EveryPointRunner::Idle, this, [this](bool complete) {
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    const bool all = complete && std::all_of(steps_.begin(), steps_.end(),
                                             [](const auto& step) { return step.has_value(); });
    saveCsv_->setEnabled(all);
    // A step's refusal stays on the line that says why the sweep stopped.
    if (!refused_)
      ShowStatus(
          all ? tr("完了しました。点をクリックすると星像を表示します。") : tr("中止しました。"),
          false);
    emit Finished(all);
  });
}

void CSweepDlg::SetDesign(const pupils::PupilDesign& design) {
  design_ = design;
  const QString chosen = path_->currentText();
  const QSignalBlocker quiet(path_);
  path_->clear();
  for (const std::string& path : studies::SweepPaths(design))
    path_->addItem(QString::fromStdString(path));
  const int kept = path_->findText(chosen);
  path_->setCurrentIndex(kept >= 0 ? kept : 0);
  if (kept < 0) OnPathChosen();
}

bool CSweepDlg::ChoosePath(const QString& path) {
  const int index = path_->findText(path);
  if (index < 0) return false;
  path_->setCurrentIndex(index);
  return true;
}

void CSweepDlg::SetRange(double from, double to, int steps) {
  from_->setValue(from);
  to_->setValue(to);
  stepCount_->setValue(steps);
}

// A new path starts from a range around the design's own value.
void CSweepDlg::OnPathChosen() {
  if (path_->currentIndex() < 0) return;
  const double value = studies::ParameterValue(design_, path_->currentText().toStdString());
  from_->setValue(value - 1.0);
  to_->setValue(value + 1.0);
}

void CSweepDlg::Start() {
  runner_.Cancel();
  const QString text = QStringLiteral("%1=%2:%3:%4")
                           .arg(path_->currentText())
                           .arg(from_->value(), 0, 'g', 17)
                           .arg(to_->value(), 0, 'g', 17)
                           .arg(stepCount_->value());
  const pupils::SweepParse parse = pupils::ParseSweepRange(text.toStdString());
  if (!parse.sweep) {
    ShowStatus(tr("掃引の範囲を読めません。パラメーター、範囲、点数を確かめてください。"), true);
    return;
  }
  studies::SweepRequest request;
  request.design = design_;
  request.range = *parse.sweep;
  request.pupilSide = sideN_->value();
  request.settings.padFactor = padQ_->value();
  if (const std::optional<studies::SweepRefusal> refusal = studies::CheckSweep(request)) {
    ShowStatus(RefusalText(*refusal), true);
    return;
  }
  request_ = std::move(request);
  refused_ = false;
  const std::vector<double> values = pupils::SweepValues(request_.range);
  steps_.assign(values.size(), std::nullopt);
  saveCsv_->setEnabled(false);
  start_->setEnabled(false);
  cancel_->setEnabled(true);
  progress_->setTextVisible(true);
  ShowStatus(tr("計算しています..."), false);
  Plot();
  // As many steps at once as the budget has threads, each on its share.
  const int share = std::max(
      1, threads::ThreadBudget() / std::min<int>(runner_.WorkerCount(), int(values.size())));
  for (std::size_t index = 0; index < values.size(); ++index) {
    runner_.Submit([this, request = request_, value = values[index], index, share](
                       const CancelFlag& cancel, const ProgressSink& progress) -> Delivery {
      const threads::ThreadShare threadShare(share);
      const std::optional<psf::PsfAnalysis> analysis = studies::AnalyseSweepStep(
          request, value, {progress, [&cancel] { return cancel.IsRaised(); }});
      if (!analysis) {
        if (cancel.IsRaised()) return nullptr;
        return [this, value] {
          refused_ = true;
          runner_.Cancel();
          ShowStatus(tr("値 %1 の瞳はどこも光を通しません。範囲を変えてください。").arg(value),
                     true);
        };
      }
      studies::SweepStep step{value, psf::ResultRecord(*analysis)};
      return
          [this, index, step = std::move(step)]() mutable { OnStepDone(index, std::move(step)); };
    });
  }
}

void CSweepDlg::Cancel() {
  runner_.Cancel();
}

void CSweepDlg::hideEvent(QHideEvent* event) {
  runner_.Cancel();
  QDialog::hideEvent(event);
}

void CSweepDlg::OnStepDone(std::size_t index, studies::SweepStep step) {
  if (index >= steps_.size()) return;
  steps_[index] = std::move(step);
  Plot();
}

void CSweepDlg::Plot() {
  QChart* chart = chart_->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  clickable_ = nullptr;
  auto* xAxis = new QValueAxis();
  xAxis->setTitleText(QString::fromStdString(request_.range.path));
  auto* yAxis = new QValueAxis();
  yAxis->setTitleText(tr("値"));
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  const QString names[kPlottedColumns] = {tr("ピーク比"), tr("包囲エネルギー 1.22 λ/D"),
                                          tr("包囲エネルギー 2.23 λ/D"), tr("包囲エネルギー 5 λ/D"),
                                          tr("スパイクの光量")};
  double low = 0.0;
  double high = 1.0;
  for (int column = 0; column < kPlottedColumns; ++column) {
    auto* line = new QLineSeries();
    auto* points = new QScatterSeries();
    line->setName(names[column]);
    points->setMarkerSize(7.0);
    for (const std::optional<studies::SweepStep>& step : steps_) {
      if (!step) continue;
      const double value = studies::SweepNumber(*step, studies::kSweepColumns[column]);
      line->append(step->value, value);
      points->append(step->value, value);
      high = std::max(high, value);
      low = std::min(low, value);
    }
    for (QXYSeries* series : {static_cast<QXYSeries*>(line), static_cast<QXYSeries*>(points)}) {
      chart->addSeries(series);
      series->attachAxis(xAxis);
      series->attachAxis(yAxis);
    }
    points->setColor(line->color());
    chart->legend()->markers(points).front()->setVisible(false);
    connect(points, &QScatterSeries::clicked, this, &CSweepDlg::OnPointClicked);
    // The spike fraction changes most with a spider's errors: its points
    // are the ones a test clicks.
    if (column == kPlottedColumns - 1) clickable_ = points;
  }
  const double from = std::min(request_.range.from, request_.range.to);
  const double to = std::max(request_.range.from, request_.range.to);
  const double margin = to > from ? 0.02 * (to - from) : 1.0;
  xAxis->setRange(from - margin, to + margin);
  yAxis->setRange(low, high);
}

void CSweepDlg::OnPointClicked(const QPointF& point) {
  int nearest = -1;
  for (std::size_t index = 0; index < steps_.size(); ++index) {
    if (!steps_[index]) continue;
    if (nearest < 0 || std::abs(steps_[index]->value - point.x()) <
                           std::abs(steps_[std::size_t(nearest)]->value - point.x()))
      nearest = static_cast<int>(index);
  }
  if (nearest >= 0) ShowStep(nearest);
}

void CSweepDlg::ShowStep(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= steps_.size() || !steps_[index]) return;
  const pupils::PupilDesign design = studies::StepDesign(request_, steps_[index]->value);
  if (!starImage_) starImage_ = new CStarImageDlg(this);
  starImage_->setWindowTitle(tr("星像: %1 = %2")
                                 .arg(QString::fromStdString(request_.range.path))
                                 .arg(steps_[index]->value));
  starImage_->show();
  starImage_->raise();
  starImage_->ShowRenderedPupil(
      [design](int side) { return pupils::StarPupilOfDesign(design, side); },
      design.apertureDiameterMm, pupils::kMaxRenderSidePixels);
}

void CSweepDlg::SaveCsv() {
  std::vector<studies::SweepStep> done;
  for (const std::optional<studies::SweepStep>& step : steps_) {
    if (!step) return;
    done.push_back(*step);
  }
  const QString path = chooseSavePath(tr("CSV (*.csv)"));
  if (path.isEmpty()) return;
  const std::filesystem::path target(path.toStdU16String());
  const std::error_code error =
      ReplaceFileContents(target, studies::SweepCsv(request_.range.path, done));
  if (error) ShowStatus(WriteFailureText(target, error), true);
}

void CSweepDlg::ShowStatus(const QString& text, bool refusal) {
  status_->setStyleSheet(refusal ? QString::fromLatin1(kRefusalStyleSheet) : QString());
  status_->setText(text);
}

QString CSweepDlg::RefusalText(const studies::SweepRefusal& refusal) const {
  switch (refusal.kind) {
    case studies::SweepRefusalKind::kParameter:
      return tr("このパラメーターは設計にありません。一覧から選んでください。");
    case studies::SweepRefusalKind::kStepDesign:
      return tr("値 %1 の設計は描けません: %2 範囲を変えてください。")
          .arg(refusal.stepValue)
          .arg(DesignProblemText(refusal.designProblem));
    case studies::SweepRefusalKind::kSettings:
      return tr("値 %1 では口径が範囲外です。範囲を変えてください。").arg(refusal.stepValue);
    case studies::SweepRefusalKind::kPupilSide:
    case studies::SweepRefusalKind::kGridTooLarge:
      return tr("格子 (N × Q) が一辺 %1 を超えます。N か Q を小さくしてください。")
          .arg(psf::kMaximumPaddedSide);
  }
  return QString();
}

}  // namespace voka
