// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/star_image_dlg.h"

#include <QBuffer>
#include <QChart>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "app/common/language.h"
#include "app/common/library_texts.h"
#include "app/common/refusal_style.h"
#include "app/star_image/curve_chart.h"
#include "app/star_image/psf_view.h"
#include "app/star_image/star_image_presentation.h"
#include "app/star_image/star_test_panel.h"
#include "dib/dib_draw.h"
#include "dib/dib_red_channel.h"
#include "output/file_replace.h"
#include "psf/curves_csv.h"
#include "psf/fits_export.h"
#include "psf/psf_numbers.h"
#include "psfview/log_view.h"
#include "psfview/log_view_image.h"

namespace voka {

namespace {

constexpr int kFieldSliderLargest = 200;  // λ/D; wider fields are typed
constexpr int kProgressMaximum = 100;
// Room for the view, the numbers and both charts with their legends.
constexpr int kInitialWidth = 1200;
constexpr int kInitialHeight = 920;

QString ShownFileName(const QString& path) {
  // A name from the file system may hold control characters; they are shown
  // as codes so that the message stays one readable line.
  QString shown;
  for (const QChar c : QFileInfo(path).fileName()) {
    if (c.category() == QChar::Other_Control)
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    else
      shown += c;
  }
  return shown;
}

// The side of the square pupil a bitmap makes (its larger dimension), found
// without decoding it; 0 when it cannot be a pupil: not drawable, or larger
// than the engine takes.
int BitmapPupilSide(const DibHandle& dib) {
  if (!dib || !DibCanPaint(dib)) return 0;
  const DibRect whole = DibWholeImage(dib);
  const std::int64_t width = std::int64_t{whole.right} - whole.left;
  const std::int64_t height = std::int64_t{whole.bottom} - whole.top;
  if (width <= 0 || height <= 0 || width > psf::kMaximumPupilSide ||
      height > psf::kMaximumPupilSide)
    return 0;
  return static_cast<int>(std::max(width, height));
}

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DefaultChooseSavePath(QWidget* parent, const QString& title, const QString& suggested,
                              const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QDoubleSpinBox* LengthBox(double smallest, double largest, double value, const QString& suffix) {
  auto* box = new QDoubleSpinBox();
  box->setRange(smallest, largest);
  box->setDecimals(1);
  box->setValue(value);
  box->setSuffix(suffix);
  // A value is taken when typing ends, not at every keystroke.
  box->setKeyboardTracking(false);
  return box;
}

QSpinBox* CountBox(int smallest, int largest, int value, const QString& suffix) {
  auto* box = new QSpinBox();
  box->setRange(smallest, largest);
  box->setValue(value);
  box->setSuffix(suffix);
  box->setKeyboardTracking(false);
  return box;
}

}  // namespace

CStarImageDlg::CStarImageDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("星像"));
  setWindowFlags(Qt::Window);
  chooseSavePath = [this](const QString& title, const QString& suggested, const QString& filter) {
    return DefaultChooseSavePath(this, title, suggested, filter);
  };
  tellUser = [this](const QString& text) {
    QMessageBox::warning(this, windowTitle(), text, QMessageBox::Ok);
  };

  auto* layout = new QGridLayout(this);
  BuildResults(layout);
  BuildControls(layout);
  ConnectControls();
  resize(kInitialWidth, kInitialHeight);
  ShowStatus(tr("瞳がありません。主画面の「ファイル」で瞳の画像を開いてください。"));
}

CStarImageDlg::~CStarImageDlg() = default;

void CStarImageDlg::BuildResults(QGridLayout* layout) {
  view_ = new PsfView();
  view_->setObjectName(QStringLiteral("psfView"));
  layout->addWidget(view_, 0, 0);

  encircledEnergyChart_ =
      new CurveChart(tr("包囲エネルギー"), tr("半径 (λ/D)"), tr("全光量に対する割合"));
  mtfChart_ = new CurveChart(QStringLiteral("MTF"), tr("空間周波数 (遮断周波数 D/λ = 1)"),
                             QStringLiteral("MTF"));
  auto* curves = new QWidget();
  auto* charts = new QHBoxLayout(curves);
  charts->addWidget(encircledEnergyChart_);
  charts->addWidget(mtfChart_);
  // The star test computes only while its tab is in view.
  starTest_ = new StarTestPanel();
  starTest_->setObjectName(QStringLiteral("starTest"));
  auto* tabs = new QTabWidget();
  tabs->setObjectName(QStringLiteral("resultTabs"));
  tabs->addTab(curves, tr("曲線"));
  tabs->addTab(starTest_, tr("スターテスト"));
  layout->addWidget(tabs, 1, 0, 1, 2);
  layout->setRowStretch(0, 3);
  layout->setRowStretch(1, 2);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);

  numbers_ = new QTableWidget(0, 2);
  numbers_->setObjectName(QStringLiteral("numbers"));
  numbers_->setHorizontalHeaderLabels({tr("量"), tr("値")});
  numbers_->horizontalHeader()->setStretchLastSection(true);
  numbers_->verticalHeader()->hide();
  numbers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  numbers_->setToolTip(CurrentLanguage() == Language::kJapanese
                           ? QString::fromUtf8(psf::SpikeFractionDefinitionText())
                           : tr("スパイク光量の定義"));
}

void CStarImageDlg::BuildControls(QGridLayout* layout) {
  auto* panel = new QVBoxLayout();
  auto* settings = new QGroupBox(tr("条件"));
  auto* form = new QFormLayout(settings);
  // Every range and default from the one table the command line reads too.
  const auto count = [](const limits::Limit& limit, const QString& suffix) {
    return CountBox(static_cast<int>(limit.minimum), static_cast<int>(limit.maximum),
                    static_cast<int>(limit.defaultValue), suffix);
  };
  const auto length = [](const limits::Limit& limit, const QString& suffix) {
    return LengthBox(limit.minimum, limit.maximum, limit.defaultValue, suffix);
  };
  sideN_ = count(limits::PupilSide(), QStringLiteral(" 画素"));
  padQ_ = count(limits::PadFactor(), QStringLiteral(" 倍"));
  wavelengthNm_ = length(limits::WavelengthNm(), QStringLiteral(" nm"));
  apertureMm_ = length(limits::ApertureMm(), QStringLiteral(" mm"));
  focalMm_ = length(limits::FocalLengthMm(), QStringLiteral(" mm"));
  decades_ = count(limits::Decades(), QStringLiteral(" 桁"));
  fieldLambdaOverD_ = length(limits::ViewFieldLambdaOverD(), QStringLiteral(" λ/D"));
  fieldLambdaOverD_->setPrefix(QStringLiteral("±"));
  fieldSlider_ = new QSlider(Qt::Horizontal);
  fieldSlider_->setRange(1, kFieldSliderLargest);
  fieldSlider_->setValue(static_cast<int>(limits::ViewFieldLambdaOverD().defaultValue));
  // The units in the chosen language (the boxes above are made with Japanese ones).
  sideN_->setSuffix(tr(" 画素"));
  padQ_->setSuffix(tr(" 倍"));
  decades_->setSuffix(tr(" 桁"));
  fieldLambdaOverD_->setSuffix(tr(" λ/D"));
  fieldLambdaOverD_->setPrefix(tr("±"));
  sideN_->setObjectName(QStringLiteral("sideN"));
  padQ_->setObjectName(QStringLiteral("padQ"));
  decades_->setObjectName(QStringLiteral("decades"));
  wavelengthNm_->setObjectName(QStringLiteral("wavelength"));
  apertureMm_->setObjectName(QStringLiteral("aperture"));
  focalMm_->setObjectName(QStringLiteral("focal"));
  fieldLambdaOverD_->setObjectName(QStringLiteral("field"));
  fieldSlider_->setObjectName(QStringLiteral("fieldSlider"));
  form->addRow(tr("瞳の一辺 N"), sideN_);
  form->addRow(tr("拡大率 Q"), padQ_);
  form->addRow(tr("波長"), wavelengthNm_);
  form->addRow(tr("口径"), apertureMm_);
  form->addRow(tr("焦点距離"), focalMm_);
  form->addRow(tr("表示の桁数"), decades_);
  form->addRow(tr("視野"), fieldLambdaOverD_);
  form->addRow(QString(), fieldSlider_);
  panel->addWidget(settings);

  auto* work = new QHBoxLayout();
  progress_ = new QProgressBar();
  progress_->setRange(0, kProgressMaximum);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  cancel_ = new QPushButton(tr("中止"));
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setEnabled(false);
  cancel_->setAutoDefault(false);
  work->addWidget(progress_);
  work->addWidget(cancel_);
  panel->addLayout(work);
  status_ = new QLabel();
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  panel->addWidget(status_);
  sampling_ = new QLabel();
  sampling_->setObjectName(QStringLiteral("sampling"));
  sampling_->setWordWrap(true);
  sampling_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
  panel->addWidget(sampling_);

  auto* exports = new QHBoxLayout();
  BuildExports(exports);
  panel->addLayout(exports);
  panel->addWidget(numbers_, 1);
  layout->addLayout(panel, 0, 1);
}

void CStarImageDlg::BuildExports(QHBoxLayout* layout) {
  saveFits_ = new QPushButton(QStringLiteral("FITS..."));
  saveFits_->setToolTip(
      tr("星像を FITS に保存します (中心から ±%1 λ/D、全光量を 1 とした float64)。")
          .arg(psf::kDefaultFieldOfViewLambdaOverD));
  saveCsv_ = new QPushButton(QStringLiteral("CSV..."));
  saveCsv_->setToolTip(tr("包囲エネルギーと MTF の曲線を CSV に保存します。"));
  savePng_ = new QPushButton(QStringLiteral("PNG..."));
  savePng_->setToolTip(tr("表示中の星像を PNG に保存します。"));
  for (QPushButton* button : {saveFits_, saveCsv_, savePng_}) {
    button->setEnabled(false);
    button->setAutoDefault(false);
    layout->addWidget(button);
  }
  saveFits_->setObjectName(QStringLiteral("saveFits"));
  saveCsv_->setObjectName(QStringLiteral("saveCsv"));
  savePng_->setObjectName(QStringLiteral("savePng"));
}

void CStarImageDlg::ConnectControls() {
  connect(&runner_, &LatestOnlyRunner::Started, this, &CStarImageDlg::OnStarted);
  connect(&runner_, &LatestOnlyRunner::ProgressChanged, progress_, &QProgressBar::setValue);
  connect(&runner_, &LatestOnlyRunner::Idle, this, &CStarImageDlg::OnIdle);
  connect(cancel_, &QPushButton::clicked, this, &CStarImageDlg::Cancel);

  // N matters only for a pupil the window renders; a fixed grid or a
  // bitmap has its own.
  connect(sideN_, &QSpinBox::valueChanged, this, [this] {
    if (!renderer_ || !sideN_->isEnabled()) return;
    ++pupilVersion_;
    Recompute();
  });
  connect(padQ_, &QSpinBox::valueChanged, this, &CStarImageDlg::Recompute);
  for (QDoubleSpinBox* box : {wavelengthNm_, apertureMm_, focalMm_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &CStarImageDlg::RezoomOrRecompute);
  connect(decades_, &QSpinBox::valueChanged, this, &CStarImageDlg::RedrawPicture);
  connect(decades_, &QSpinBox::valueChanged, starTest_, &StarTestPanel::SetDecades);
  connect(fieldSlider_, &QSlider::valueChanged, this,
          [this](int value) { fieldLambdaOverD_->setValue(value); });
  connect(fieldLambdaOverD_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    const QSignalBlocker quiet(fieldSlider_);
    fieldSlider_->setValue(
        static_cast<int>(std::lround(std::min<double>(value, kFieldSliderLargest))));
    RezoomOrRecompute();
  });
  connect(saveFits_, &QPushButton::clicked, this, &CStarImageDlg::ExportFits);
  connect(saveCsv_, &QPushButton::clicked, this, &CStarImageDlg::ExportCsv);
  connect(savePng_, &QPushButton::clicked, this, &CStarImageDlg::ExportPng);
}

void CStarImageDlg::SetPupilSide(int side, bool chosenByWindow) {
  const QSignalBlocker quiet(sideN_);
  sideN_->setEnabled(chosenByWindow);
  if (!chosenByWindow) sideN_->setValue(side);
  sideN_->setToolTip(chosenByWindow ? QString() : tr("画像の瞳は、その大きさで計算します。"));
}

void CStarImageDlg::ShowBitmapPupil(const DibHandle& dib, const QString& fileName) {
  const int side = BitmapPupilSide(dib);
  if (side <= 0) {
    tellUser(tr("%1 は星像にできません。一辺 %2 画素までの、表示できる形式の BMP "
                "画像を開いてください。")
                 .arg(ShownFileName(fileName))
                 .arg(psf::kMaximumPupilSide));
    return;
  }
  // An 8192-pixel bitmap makes half a gigabyte of amplitudes: it is decoded
  // on the computing thread, at its own size.
  pupil_ = nullptr;
  largestRenderSide_ = psf::kMaximumPupilSide;
  renderer_ = [dib](int /*side*/) {
    const RedChannel channel = DibRedChannel(dib, psf::kMaximumPupilSide);
    return psf::PupilFromRedChannel(channel.red, channel.width, channel.height);
  };
  pupilName_ = ShownFileName(fileName);
  designOptics_ = {};
  ++pupilVersion_;
  SetPupilSide(side, false);
  Recompute();
}

void CStarImageDlg::ShowPupil(const psf::PupilAmplitude& pupil, double apertureDiameterMm) {
  SetFixedPupil(pupil, apertureDiameterMm, QString());
}

void CStarImageDlg::SetFixedPupil(psf::PupilAmplitude pupil, double apertureDiameterMm,
                                  const QString& name) {
  if (pupil.side <= 0) {
    tellUser(tr("瞳が空です。瞳を描き直してください。"));
    return;
  }
  pupilName_ = name;
  pupil_ = std::make_shared<const psf::PupilAmplitude>(std::move(pupil));
  renderer_ = nullptr;
  designOptics_ = {};
  ++pupilVersion_;
  SetPupilSide(pupil_->side, false);
  {
    const QSignalBlocker quiet(apertureMm_);
    apertureMm_->setValue(apertureDiameterMm);
  }
  Recompute();
}

void CStarImageDlg::ShowRenderedPupil(PupilRenderer renderer, double apertureDiameterMm,
                                      int largestSide, const DesignOptics& optics) {
  designOptics_ = optics;
  if (optics.focalLengthMm && optics.focalLengthMm != appliedDesignFocalMm_) {
    const QSignalBlocker quiet(focalMm_);
    focalMm_->setValue(*optics.focalLengthMm);
  }
  appliedDesignFocalMm_ = optics.focalLengthMm;
  pupil_ = nullptr;
  renderer_ = std::move(renderer);
  largestRenderSide_ = largestSide;
  pupilName_.clear();
  ++pupilVersion_;
  SetPupilSide(sideN_->value(), true);
  {
    const QSignalBlocker quiet(apertureMm_);
    apertureMm_->setValue(apertureDiameterMm);
  }
  Recompute();
}

StarImageRequest CStarImageDlg::CurrentRequest() const {
  StarImageRequest request;
  request.pupil = pupil_;
  request.renderPupil = renderer_;
  request.renderSide = sideN_->value();
  request.largestRenderSide = largestRenderSide_;
  request.pupilVersion = pupilVersion_;
  request.settings.padFactor = padQ_->value();
  request.settings.wavelengthNm = wavelengthNm_->value();
  request.settings.apertureDiameterMm = apertureMm_->value();
  request.settings.focalLengthMm = focalMm_->value();
  request.zoomHalfWidthLambdaOverD = fieldLambdaOverD_->value();
  return request;
}

bool CStarImageDlg::SameTransformAsShown(const StarImageRequest& request) const {
  return shown_ && shown_->pupilVersion == request.pupilVersion &&
         SameTransform(shown_->analysis->image.settings, request.settings);
}

void CStarImageDlg::Recompute() {
  if (!pupil_ && !renderer_) return;
  Submit(CurrentRequest());
}

void CStarImageDlg::RezoomOrRecompute() {
  if (!pupil_ && !renderer_) return;
  StarImageRequest request = CurrentRequest();
  if (SameTransformAsShown(request)) request.reuse = shown_;
  Submit(std::move(request));
}

void CStarImageDlg::Submit(StarImageRequest request) {
  const QString refusal = CheckStarImageRequest(request);
  if (!refusal.isEmpty()) {
    // What runs now computes settings the user has left behind.
    runner_.Cancel();
    ShowRefusal(refusal);
    return;
  }
  FollowRequest(request);
  runner_.Submit([this, request = std::move(request)](
                     const CancelFlag& cancel,
                     const LatestOnlyRunner::ProgressSink& progress) -> LatestOnlyRunner::Delivery {
    StarImageOutcome outcome = ComputeStarImageOutcome(request, cancel, progress);
    if (outcome.end == StarImageEnd::kCancelled) return nullptr;
    return [this, outcome = std::move(outcome)] { ShowOutcome(outcome); };
  });
}

void CStarImageDlg::FollowRequest(const StarImageRequest& request) {
  const int side = request.pupil ? request.pupil->side : request.renderSide;
  sampling_->setText(
      DefocusSamplingWarning(designOptics_.defocusRmsNm, request.settings.wavelengthNm, side));
  starTest_->Follow(request, designOptics_.defocusRmsNm);
}

void CStarImageDlg::Cancel() {
  if (!runner_.IsBusy()) return;
  runner_.Cancel();
  ShowStatus(shown_ ? tr("中止しました。表示は前の結果のままです。") : tr("中止しました。"));
}

void CStarImageDlg::hideEvent(QHideEvent* event) {
  Cancel();
  QDialog::hideEvent(event);
}

void CStarImageDlg::OnStarted() {
  cancel_->setEnabled(true);
  progress_->setValue(0);
  progress_->setTextVisible(true);
  ShowStatus(tr("計算しています..."));
}

void CStarImageDlg::OnIdle(bool /*delivered*/) {
  cancel_->setEnabled(false);
  progress_->setValue(0);
  // "0 %" beside a finished result would read as nothing done.
  progress_->setTextVisible(false);
  emit Updated();
}

void CStarImageDlg::ShowOutcome(const StarImageOutcome& outcome) {
  if (outcome.end == StarImageEnd::kRefused) {
    // The last result stays in view, as the designer keeps its last pupil,
    // while the user changes what was refused.
    ShowRefusal(outcome.refusal);
    return;
  }
  shown_ = outcome.computation;
  ShowComputation();
}

void CStarImageDlg::ShowStatus(const QString& text) {
  status_->setStyleSheet(QString());
  status_->setText(text);
}

void CStarImageDlg::ShowRefusal(const QString& text) {
  status_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
  status_->setText(text);
}

void CStarImageDlg::ShowComputation() {
  const psf::PsfAnalysis& analysis = *shown_->analysis;
  RedrawPicture();
  const std::vector<NumberRow> rows = NumberRows(*shown_);
  numbers_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    numbers_->setItem(row, 0, new QTableWidgetItem(rows[row].quantity));
    auto* value = new QTableWidgetItem(rows[row].value);
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numbers_->setItem(row, 1, value);
  }
  numbers_->resizeColumnToContents(0);

  const std::vector<psf::EncircledEnergyPoint>& curve = analysis.numbers.encircledEnergy;
  encircledEnergyChart_->SetCurves(EncircledEnergyCurves(analysis.numbers),
                                   curve.empty() ? 1.0 : curve.back().radiusLambdaOverD, 1.0);
  mtfChart_->chart()->setTitle(MtfTitle(analysis.image.scale, analysis.image.settings));
  mtfChart_->SetCurves(MtfChartCurves(analysis.mtf, !shown_->pupil->vaneAnglesDeg.empty()), 1.0,
                       1.0);

  for (QPushButton* button : {saveFits_, saveCsv_, savePng_}) button->setEnabled(true);
  const QString source = pupilName_.isEmpty() ? QString() : pupilName_ + QStringLiteral(": ");
  ShowStatus(source + tr("N = %1, Q = %2, %3 秒")
                          .arg(analysis.image.pupilSide)
                          .arg(analysis.image.padFactor)
                          .arg(shown_->seconds, 0, 'f', 2));
}

void CStarImageDlg::RedrawPicture() {
  if (!shown_) return;
  view_->Show(MakePsfPicture(*shown_, decades_->value()));
}

void CStarImageDlg::SaveBytes(const QString& title, const QString& suggestedName,
                              const QString& filter, const std::string& bytes) {
  const QString path = chooseSavePath(title, suggestedName, filter);
  if (path.isEmpty()) return;
  const std::filesystem::path target(path.toStdU16String());
  if (const std::error_code error = ReplaceFileContents(target, bytes)) {
    tellUser(WriteFailureText(target, error));
    return;
  }
  ShowStatus(tr("%1 に保存しました。").arg(ShownFileName(path)));
}

void CStarImageDlg::ExportFits() {
  if (!shown_) return;
  std::string error;
  const std::string bytes =
      psf::StarImageFitsBytes(shown_->analysis->image, psf::kDefaultFieldOfViewLambdaOverD, error);
  if (bytes.empty()) {
    // The library's reason is Japanese; another language names no reason.
    tellUser(CurrentLanguage() == Language::kJapanese
                 ? tr("FITS を作れませんでした (%1)。").arg(Utf8(error))
                 : tr("FITS を作れませんでした。もう一度お試しください。"));
    return;
  }
  SaveBytes(tr("星像を FITS に保存"), QStringLiteral("star.fits"),
            QStringLiteral("FITS (*.fits *.fit)"), bytes);
}

void CStarImageDlg::ExportCsv() {
  if (!shown_) return;
  const psf::PsfAnalysis& analysis = *shown_->analysis;
  SaveBytes(tr("曲線を CSV に保存"), QStringLiteral("star_curves.csv"),
            QStringLiteral("CSV (*.csv)"),
            psf::CurvesCsv(analysis.numbers, analysis.mtf, analysis.image.scale));
}

// The same picture as voka-batch --png draws: one crop, one colour map and
// one painter, at the field and decades shown.
void CStarImageDlg::ExportPng() {
  if (!shown_) return;
  const std::string png = psfview::PngBytes(psfview::LogViewImage(
      shown_->analysis->image, decades_->value(), fieldLambdaOverD_->value()));
  if (png.empty()) {
    tellUser(tr("PNG を作れませんでした。もう一度お試しください。"));
    return;
  }
  SaveBytes(tr("表示を PNG に保存"), QStringLiteral("star.png"), QStringLiteral("PNG (*.png)"),
            png);
}

}  // namespace voka
