// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/camera_view/camera_view_dlg.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <array>
#include <cmath>
#include <filesystem>

#include "app/camera_view/camera_picture_view.h"
#include "app/common/library_texts.h"
#include "app/common/pool_start.h"
#include "app/common/posted_calls.h"
#include "app/common/refusal_style.h"
#include "camera/camera_fits.h"
#include "dib/dib_red_channel.h"
#include "limits/limits.h"
#include "output/file_replace.h"
#include "psfview/camera_picture.h"
#include "psfview/log_view_image.h"

namespace voka {

namespace {

constexpr int kProgressMaximum = 100;
// The exposure slider's steps per factor of ten.
constexpr int kExposureStepsPerDecade = 100;
constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 760;

// The flagged colours offered for saturated pixels: none occurs in a star.
struct FlagColour {
  const char* name;
  std::array<std::uint8_t, 3> rgb;
};
constexpr FlagColour kFlagColours[] = {
    {QT_TRANSLATE_NOOP("voka::CCameraViewDlg", "白"), {255, 255, 255}},
    {QT_TRANSLATE_NOOP("voka::CCameraViewDlg", "マゼンタ"), {255, 0, 255}},
    {QT_TRANSLATE_NOOP("voka::CCameraViewDlg", "緑"), {0, 255, 0}},
};

QDoubleSpinBox* NumberBox(const limits::Limit& limit, int decimals, const QString& suffix) {
  auto* box = new QDoubleSpinBox();
  box->setRange(limit.minimum, limit.maximum);
  box->setDecimals(decimals);
  box->setValue(limit.defaultValue);
  box->setSuffix(suffix);
  // A value is taken when typing ends, not at every keystroke.
  box->setKeyboardTracking(false);
  return box;
}

QSpinBox* CountBox(const limits::Limit& limit) {
  auto* box = new QSpinBox();
  box->setRange(static_cast<int>(limit.minimum), static_cast<int>(limit.maximum));
  box->setValue(static_cast<int>(limit.defaultValue));
  box->setKeyboardTracking(false);
  return box;
}

QString Percent(double fraction) {
  return QStringLiteral("%1 %").arg(100.0 * fraction, 0, 'f', 2);
}

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

}  // namespace

CCameraViewDlg::CCameraViewDlg(QWidget* parent)
    : QDialog(parent), saveResults_(new PostedCalls(this)) {
  setWindowTitle(tr("カメラ像"));
  setWindowFlags(Qt::Window);
  chooseSavePath = [this](const QString& title, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(this, title, suggested, filter);
  };
  chooseOpenPath = [this](const QString& title, const QString& suggested, const QString& filter) {
    return QFileDialog::getOpenFileName(this, title, suggested, filter);
  };
  tellUser = [this](const QString& text) {
    QMessageBox::warning(this, windowTitle(), text, QMessageBox::Ok);
  };
  auto* layout = new QHBoxLayout(this);
  view_ = new CameraPictureView();
  view_->setObjectName(QStringLiteral("cameraPicture"));
  layout->addWidget(view_, 3);
  auto* panel = new QVBoxLayout();
  BuildControls(panel);
  layout->addLayout(panel, 2);
  ConnectControls();
  UpdateSpectrumControls();
  ShowExposureText();
  resize(kInitialWidth, kInitialHeight);
  ShowStatus(tr("瞳がありません。設計画面の「カメラ像」で開いてください。"));
}

CCameraViewDlg::~CCameraViewDlg() = default;

void CCameraViewDlg::BuildControls(QVBoxLayout* panel) {
  auto* optics = new QGroupBox(tr("望遠鏡とカメラ"));
  auto* form = new QFormLayout(optics);
  pixelPitchUm_ = NumberBox(limits::PixelPitchUm(), 2, tr(" µm"));
  focalMm_ = NumberBox(limits::FocalLengthMm(), 1, tr(" mm"));
  apertureMm_ = NumberBox(limits::ApertureMm(), 1, tr(" mm"));
  fieldPixels_ = CountBox(limits::CameraFieldPixels());
  fieldPixels_->setSuffix(tr(" 画素"));
  wavelengthCount_ = CountBox(limits::WavelengthCount());
  pixelPitchUm_->setObjectName(QStringLiteral("pixelPitch"));
  focalMm_->setObjectName(QStringLiteral("focal"));
  apertureMm_->setObjectName(QStringLiteral("aperture"));
  fieldPixels_->setObjectName(QStringLiteral("fieldPixels"));
  wavelengthCount_->setObjectName(QStringLiteral("wavelengthCount"));
  form->addRow(tr("画素の大きさ"), pixelPitchUm_);
  form->addRow(tr("焦点距離"), focalMm_);
  form->addRow(tr("口径"), apertureMm_);
  form->addRow(tr("視野"), fieldPixels_);
  form->addRow(tr("波長の数"), wavelengthCount_);
  panel->addWidget(optics);

  auto* light = new QGroupBox(tr("星の光と色"));
  auto* lightForm = new QFormLayout(light);
  BuildSpectrumControls(lightForm);
  panel->addWidget(light);

  auto* display = new QGroupBox(tr("露出と表示"));
  auto* displayForm = new QFormLayout(display);
  BuildDisplayControls(displayForm);
  panel->addWidget(display);

  auto* work = new QHBoxLayout();
  progress_ = new QProgressBar();
  progress_->setRange(0, kProgressMaximum);
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
  BuildExports(panel);

  numbers_ = new QTableWidget(0, 2);
  numbers_->setObjectName(QStringLiteral("numbers"));
  numbers_->setHorizontalHeaderLabels({tr("量"), tr("値")});
  numbers_->horizontalHeader()->setStretchLastSection(true);
  numbers_->verticalHeader()->hide();
  numbers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  panel->addWidget(numbers_, 1);
  samplingNote_ = new QLabel();
  samplingNote_->setObjectName(QStringLiteral("samplingNote"));
  samplingNote_->setWordWrap(true);
  panel->addWidget(samplingNote_);
}

void CCameraViewDlg::BuildSpectrumControls(QFormLayout* form) {
  spectrumKind_ = new QComboBox();
  spectrumKind_->setObjectName(QStringLiteral("spectrumKind"));
  // In the order of camera::SpectrumKind.
  spectrumKind_->addItems({tr("黒体"), tr("平坦な帯域"), tr("CSV ファイル")});
  spectrumKind_->setToolTip(
      tr("スペクトルはエネルギーの単位 (nm あたりの W) で与えます。カメラとモノクロは光子数 "
         "(λ/hc 倍) で数え、目で見た色はエネルギーのまま色を合わせます。"));
  temperatureK_ = NumberBox(limits::TemperatureK(), 0, tr(" K"));
  temperatureK_->setObjectName(QStringLiteral("temperature"));
  bandFromNm_ = NumberBox(limits::BandFromNm(), 1, tr(" nm"));
  bandToNm_ = NumberBox(limits::BandToNm(), 1, tr(" nm"));
  bandFromNm_->setObjectName(QStringLiteral("bandFrom"));
  bandToNm_->setObjectName(QStringLiteral("bandTo"));
  auto* band = new QHBoxLayout();
  band->addWidget(bandFromNm_);
  band->addWidget(new QLabel(QStringLiteral("–")));
  band->addWidget(bandToNm_);
  spectrumFile_ = new QPushButton(tr("スペクトルの CSV..."));
  spectrumFile_->setObjectName(QStringLiteral("spectrumFile"));
  spectrumFile_->setAutoDefault(false);
  form->addRow(tr("スペクトル"), spectrumKind_);
  form->addRow(tr("色温度"), temperatureK_);
  form->addRow(tr("帯域"), band);
  form->addRow(QString(), spectrumFile_);

  colourMode_ = new QComboBox();
  colourMode_->setObjectName(QStringLiteral("colourMode"));
  // In the order of camera::ColourMode.
  colourMode_->addItems({tr("目で見た色"), tr("カメラ"), tr("モノクロ")});
  responseFile_ = new QPushButton(tr("感度の CSV..."));
  responseFile_->setObjectName(QStringLiteral("responseFile"));
  responseFile_->setToolTip(
      tr("波長 (nm), R, G, B の 4 列の表。選ばなければ青 400-500、"
         "緑 500-600、赤 600-700 nm の平坦な 3 帯域です。"));
  flatResponse_ = new QPushButton(tr("平坦な 3 帯域"));
  flatResponse_->setObjectName(QStringLiteral("flatResponse"));
  for (QPushButton* button : {responseFile_, flatResponse_}) button->setAutoDefault(false);
  auto* response = new QHBoxLayout();
  response->addWidget(responseFile_);
  response->addWidget(flatResponse_);
  form->addRow(tr("色"), colourMode_);
  form->addRow(QString(), response);
}

void CCameraViewDlg::BuildDisplayControls(QFormLayout* form) {
  exposureSlider_ = new QSlider(Qt::Horizontal);
  exposureSlider_->setObjectName(QStringLiteral("exposure"));
  exposureSlider_->setRange(static_cast<int>(std::lround(kExposureStepsPerDecade *
                                                         std::log10(limits::Exposure().minimum))),
                            static_cast<int>(std::lround(kExposureStepsPerDecade *
                                                         std::log10(limits::Exposure().maximum))));
  exposureSlider_->setValue(static_cast<int>(
      std::lround(kExposureStepsPerDecade * std::log10(limits::Exposure().defaultValue))));
  exposureSlider_->setToolTip(tr("最も明るい画素が飽和の何倍の光を受けるか"));
  exposureText_ = new QLabel();
  exposureText_->setObjectName(QStringLiteral("exposureText"));
  exposureText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("× 10000000")));
  auto* exposure = new QHBoxLayout();
  exposure->addWidget(exposureSlider_, 1);
  exposure->addWidget(exposureText_);
  stretch_ = new QComboBox();
  stretch_->setObjectName(QStringLiteral("stretch"));
  // In the order of camera::Stretch.
  stretch_->addItems({tr("線形"), tr("対数"), QStringLiteral("asinh")});
  stretch_->setCurrentIndex(static_cast<int>(camera::Stretch::kAsinh));
  stretch_->setToolTip(tr("asinh は 3 色を同じ倍率で伸ばすので、星の色が保たれます。"));
  saturatedColour_ = new QComboBox();
  saturatedColour_->setObjectName(QStringLiteral("saturatedColour"));
  for (const FlagColour& colour : kFlagColours) saturatedColour_->addItem(tr(colour.name));
  form->addRow(tr("露出"), exposure);
  form->addRow(tr("表示の伸長"), stretch_);
  form->addRow(tr("飽和した画素"), saturatedColour_);
}

void CCameraViewDlg::BuildExports(QVBoxLayout* panel) {
  auto* exports = new QHBoxLayout();
  savePng_ = new QPushButton(QStringLiteral("PNG..."));
  savePng_->setToolTip(tr("表示中のカメラ像を 8 ビット sRGB の PNG に保存します。"));
  saveFits_ = new QPushButton(QStringLiteral("FITS..."));
  saveFits_->setToolTip(tr("クリップ前の線形な光量を、チャンネルごとの面の FITS に保存します。"));
  saveJson_ = new QPushButton(QStringLiteral("JSON..."));
  saveJson_->setToolTip(tr("数値を JSON に保存します。"));
  savePng_->setObjectName(QStringLiteral("savePng"));
  saveFits_->setObjectName(QStringLiteral("saveFits"));
  saveJson_->setObjectName(QStringLiteral("saveJson"));
  for (QPushButton* button : {savePng_, saveFits_, saveJson_}) {
    button->setEnabled(false);
    button->setAutoDefault(false);
    exports->addWidget(button);
  }
  panel->addLayout(exports);
}

void CCameraViewDlg::ConnectControls() {
  connect(&runner_, &LatestOnlyRunner::Started, this, &CCameraViewDlg::OnStarted);
  connect(&runner_, &LatestOnlyRunner::ProgressChanged, progress_, &QProgressBar::setValue);
  connect(&runner_, &LatestOnlyRunner::Idle, this, &CCameraViewDlg::OnIdle);
  connect(cancel_, &QPushButton::clicked, this, &CCameraViewDlg::Cancel);
  for (QDoubleSpinBox* box :
       {pixelPitchUm_, focalMm_, apertureMm_, temperatureK_, bandFromNm_, bandToNm_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &CCameraViewDlg::Recompute);
  for (QSpinBox* box : {fieldPixels_, wavelengthCount_})
    connect(box, &QSpinBox::valueChanged, this, &CCameraViewDlg::Recompute);
  connect(spectrumKind_, &QComboBox::currentIndexChanged, this, [this] {
    UpdateSpectrumControls();
    Recompute();
  });
  connect(colourMode_, &QComboBox::currentIndexChanged, this, [this] {
    UpdateSpectrumControls();
    Recompute();
  });
  connect(spectrumFile_, &QPushButton::clicked, this, &CCameraViewDlg::ChooseSpectrumFile);
  connect(responseFile_, &QPushButton::clicked, this, &CCameraViewDlg::ChooseResponseFile);
  connect(flatResponse_, &QPushButton::clicked, this, [this] {
    responsePath_.clear();
    UpdateSpectrumControls();
    Recompute();
  });
  connect(exposureSlider_, &QSlider::valueChanged, this, [this] {
    ShowExposureText();
    RedrawPicture();
  });
  connect(stretch_, &QComboBox::currentIndexChanged, this, &CCameraViewDlg::RedrawPicture);
  connect(saturatedColour_, &QComboBox::currentIndexChanged, this, &CCameraViewDlg::RedrawPicture);
  connect(savePng_, &QPushButton::clicked, this, &CCameraViewDlg::ExportPng);
  connect(saveFits_, &QPushButton::clicked, this, &CCameraViewDlg::ExportFits);
  connect(saveJson_, &QPushButton::clicked, this, &CCameraViewDlg::ExportJson);
}

void CCameraViewDlg::UpdateSpectrumControls() {
  const auto kind = static_cast<camera::SpectrumKind>(spectrumKind_->currentIndex());
  temperatureK_->setEnabled(kind == camera::SpectrumKind::kBlackbody);
  bandFromNm_->setEnabled(kind != camera::SpectrumKind::kTable);
  bandToNm_->setEnabled(kind != camera::SpectrumKind::kTable);
  spectrumFile_->setEnabled(kind == camera::SpectrumKind::kTable);
  spectrumFile_->setText(spectrumPath_.isEmpty() ? tr("スペクトルの CSV...")
                                                 : QFileInfo(spectrumPath_).fileName());
  const bool cameraMode =
      colourMode_->currentIndex() == static_cast<int>(camera::ColourMode::kCamera);
  responseFile_->setEnabled(cameraMode);
  flatResponse_->setEnabled(cameraMode && !responsePath_.isEmpty());
  responseFile_->setText(responsePath_.isEmpty() ? tr("感度の CSV...")
                                                 : QFileInfo(responsePath_).fileName());
}

void CCameraViewDlg::ChooseSpectrumFile() {
  const QString path = chooseOpenPath(tr("スペクトルの CSV を開く"), spectrumPath_,
                                      QStringLiteral("CSV (*.csv *.txt)"));
  if (path.isEmpty()) return;
  spectrumPath_ = path;
  UpdateSpectrumControls();
  Recompute();
}

void CCameraViewDlg::ChooseResponseFile() {
  const QString path =
      chooseOpenPath(tr("感度の CSV を開く"), responsePath_, QStringLiteral("CSV (*.csv *.txt)"));
  if (path.isEmpty()) return;
  responsePath_ = path;
  UpdateSpectrumControls();
  Recompute();
}

double CCameraViewDlg::Exposure() const {
  return std::pow(10.0, double(exposureSlider_->value()) / kExposureStepsPerDecade);
}

void CCameraViewDlg::ShowExposureText() {
  exposureText_->setText(QStringLiteral("× %1").arg(Exposure(), 0, 'g', 3));
}

camera::DisplaySettings CCameraViewDlg::Display() const {
  camera::DisplaySettings display;
  display.stretch = static_cast<camera::Stretch>(stretch_->currentIndex());
  display.saturatedColour = kFlagColours[saturatedColour_->currentIndex()].rgb;
  return display;
}

CameraWindowSettings CCameraViewDlg::WindowSettings() const {
  return {CurrentSettings(), {spectrumPath_, responsePath_}, Exposure(), Display()};
}

void CCameraViewDlg::SetAperture(double apertureDiameterMm) {
  const QSignalBlocker quiet(apertureMm_);
  apertureMm_->setValue(apertureDiameterMm);
}

void CCameraViewDlg::NewPupil() {
  ++pupilVersion_;
  Recompute();
}

void CCameraViewDlg::ShowPupil(const psf::PupilField& pupil, double apertureDiameterMm) {
  pupil_ = std::make_shared<const psf::PupilField>(pupil);
  renderPupil_ = nullptr;
  pupilName_.clear();
  SetAperture(apertureDiameterMm);
  NewPupil();
}

void CCameraViewDlg::ShowRenderedPupil(CameraPupilRenderer renderer, double apertureDiameterMm) {
  pupil_ = nullptr;
  renderPupil_ = std::move(renderer);
  pupilName_.clear();
  SetAperture(apertureDiameterMm);
  NewPupil();
}

void CCameraViewDlg::ShowBitmapPupil(const DibHandle& dib, const QString& fileName) {
  if (!dib) return;
  pupil_ = nullptr;
  // A large bitmap is decoded on the computing thread; the job refuses one
  // too large for the camera.
  renderPupil_ = [dib](int /*side*/) {
    const RedChannel channel = DibRedChannel(dib, psf::kMaximumPupilSide);
    return psf::PupilFromRedChannel(channel.red, channel.width, channel.height);
  };
  pupilName_ = QFileInfo(fileName).fileName();
  NewPupil();
}

camera::CameraSettings CCameraViewDlg::CurrentSettings() const {
  camera::CameraSettings settings;
  settings.pixelPitchUm = pixelPitchUm_->value();
  settings.focalLengthMm = focalMm_->value();
  settings.apertureDiameterMm = apertureMm_->value();
  settings.fieldPixels = fieldPixels_->value();
  settings.wavelengthCount = wavelengthCount_->value();
  settings.spectrum.kind = static_cast<camera::SpectrumKind>(spectrumKind_->currentIndex());
  settings.spectrum.temperatureK = temperatureK_->value();
  settings.spectrum.fromNm = bandFromNm_->value();
  settings.spectrum.toNm = bandToNm_->value();
  settings.colour = static_cast<camera::ColourMode>(colourMode_->currentIndex());
  return settings;
}

void CCameraViewDlg::Recompute() {
  if (!pupil_ && !renderPupil_) return;
  CameraRequest request;
  request.pupil = pupil_;
  // The pupil drawn for the last result serves until a new one is given.
  if (!request.pupil && shown_ && shown_->pupilVersion == pupilVersion_)
    request.pupil = shown_->pupil;
  request.renderPupil = renderPupil_;
  request.pupilVersion = pupilVersion_;
  request.settings = CurrentSettings();
  request.files = {spectrumPath_, responsePath_};
  request.renderer = renderer_;
  const auto kind = request.settings.spectrum.kind;
  if (kind == camera::SpectrumKind::kFlat &&
      !(request.settings.spectrum.fromNm < request.settings.spectrum.toNm)) {
    runner_.Cancel();
    ShowRefusal(tr("帯域の短波長端を長波長端より短くしてください。"));
    return;
  }
  if (kind == camera::SpectrumKind::kTable && spectrumPath_.isEmpty()) {
    runner_.Cancel();
    ShowRefusal(tr("スペクトルの CSV ファイルを選んでください。"));
    return;
  }
  runner_.Submit([this, request = std::move(request)](const CancelFlag& cancel,
                                                      const ProgressSink& progress) -> Delivery {
    CameraOutcomeForWindow outcome = ComputeCameraForWindow(request, cancel, progress);
    if (outcome.end == CameraEnd::kCancelled) return nullptr;
    return [this, outcome = std::move(outcome)] { ShowOutcome(outcome); };
  });
}

void CCameraViewDlg::Cancel() {
  if (!runner_.IsBusy()) return;
  runner_.Cancel();
  ShowStatus(shown_ ? tr("中止しました。表示は前の結果のままです。") : tr("中止しました。"));
}

void CCameraViewDlg::hideEvent(QHideEvent* event) {
  Cancel();
  QDialog::hideEvent(event);
}

void CCameraViewDlg::OnStarted() {
  cancel_->setEnabled(true);
  progress_->setValue(0);
  progress_->setTextVisible(true);
  ShowStatus(tr("計算しています..."));
}

void CCameraViewDlg::OnIdle() {
  cancel_->setEnabled(false);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  emit Updated();
}

void CCameraViewDlg::ShowOutcome(const CameraOutcomeForWindow& outcome) {
  if (outcome.end == CameraEnd::kRefused) {
    // The last result stays in view while the user changes what was refused.
    ShowRefusal(outcome.refusal);
    return;
  }
  shown_ = outcome.computation;
  RedrawPicture();
  ShowNumbers();
  for (QPushButton* button : {savePng_, saveFits_, saveJson_}) button->setEnabled(true);
  const QString source = pupilName_.isEmpty() ? QString() : pupilName_ + QStringLiteral(": ");
  ShowStatus(source + tr("瞳 %1 画素、%2 波長、%3 秒")
                          .arg(shown_->pupil->side)
                          .arg(shown_->image.channels.wavelengthsNm.size())
                          .arg(shown_->seconds, 0, 'f', 2));
}

void CCameraViewDlg::ShowStatus(const QString& text) {
  status_->setStyleSheet(QString());
  status_->setText(text);
}

void CCameraViewDlg::ShowRefusal(const QString& text) {
  status_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
  status_->setText(text);
}

void CCameraViewDlg::ShowNumbers() {
  const camera::CameraNumbers& numbers = shown_->numbers;
  QList<QPair<QString, QString>> rows;
  const QString names = QString::fromStdString(shown_->image.channels.channelNames);
  const QStringList channels = names.split(QLatin1Char(','));
  for (int c = 0; c < static_cast<int>(numbers.brightestPixelFraction.size()); ++c) {
    rows.append({tr("最も明るい画素の光量 (%1)").arg(channels.value(c)),
                 Percent(numbers.brightestPixelFraction[static_cast<std::size_t>(c)])});
  }
  rows.append({tr("半径 1 画素内の光量"), Percent(numbers.encircledEnergy1Pixel)});
  rows.append({tr("半径 2 画素内の光量"), Percent(numbers.encircledEnergy2Pixels)});
  rows.append({tr("半径 3 画素内の光量"), Percent(numbers.encircledEnergy3Pixels)});
  rows.append({tr("スパイク光量"), Percent(numbers.spikeFraction)});
  rows.append({tr("サンプリング Q = λF/(pD) (%1 nm)").arg(camera::kSamplingWavelengthNm),
               QString::number(numbers.samplingQ, 'f', 3)});
  rows.append({tr("画素の細分"), tr("%1 × %1 点").arg(numbers.subsamples)});
  numbers_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    numbers_->setItem(row, 0, new QTableWidgetItem(rows[row].first));
    auto* value = new QTableWidgetItem(rows[row].second);
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numbers_->setItem(row, 1, value);
  }
  numbers_->resizeColumnToContents(0);
  samplingNote_->setText(
      numbers.UnderSampled() ? tr("アンダーサンプリング: 星の芯が 1 画素に収まります") : QString());
}

void CCameraViewDlg::RedrawPicture() {
  if (!shown_) return;
  view_->Show(psfview::CameraPictureImage(shown_->image, Exposure(), Display()));
}

void CCameraViewDlg::SaveInBackground(const QString& title, const QString& suggestedName,
                                      const QString& filter,
                                      std::function<std::string(QString& failure)> makeBytes) {
  const QString path = chooseSavePath(title, suggestedName, filter);
  if (path.isEmpty()) return;
  ++savesRunning_;
  ShowStatus(tr("%1 に保存しています...").arg(QFileInfo(path).fileName()));
  QPointer<CCameraViewDlg> window(this);
  PostedCalls* results = saveResults_;
  StartOnPool(savePool_, [window, results, path, makeBytes = std::move(makeBytes)] {
    QString failure;
    const std::string bytes = makeBytes(failure);
    std::error_code error;
    if (failure.isEmpty()) error = ReplaceFileContents(ToPath(path), bytes);
    // The pool is waited for before the window's children go, so `results`
    // outlives every job.
    results->Post([window, path, failure, error] {
      if (!window) return;
      --window->savesRunning_;
      if (!failure.isEmpty())
        window->tellUser(failure);
      else if (error)
        window->tellUser(WriteFailureText(ToPath(path), error));
      else
        window->ShowStatus(tr("%1 に保存しました。").arg(QFileInfo(path).fileName()));
      emit window->SaveEnded();
    });
  });
}

void CCameraViewDlg::ExportPng() {
  if (!shown_) return;
  const QImage picture = psfview::CameraPictureImage(shown_->image, Exposure(), Display());
  SaveInBackground(tr("カメラ像を PNG に保存"), QStringLiteral("camera.png"),
                   QStringLiteral("PNG (*.png)"), [picture](QString& failure) {
                     std::string png = psfview::PngBytes(picture);
                     if (png.empty())
                       failure = tr("PNG を作れませんでした。もう一度お試しください。");
                     return png;
                   });
}

void CCameraViewDlg::ExportFits() {
  if (!shown_) return;
  SaveInBackground(
      tr("カメラ像を FITS に保存"), QStringLiteral("camera.fits"),
      QStringLiteral("FITS (*.fits *.fit)"),
      [shown = shown_, exposure = Exposure()](QString& failure) {
        std::string error;
        std::string bytes = camera::CameraFitsBytes(shown->image, shown->settings, exposure, error);
        if (bytes.empty())
          failure = tr("FITS を作れませんでした (%1)。").arg(QString::fromStdString(error));
        return bytes;
      });
}

void CCameraViewDlg::ExportJson() {
  if (!shown_) return;
  SaveInBackground(
      tr("数値を JSON に保存"), QStringLiteral("camera.json"), QStringLiteral("JSON (*.json)"),
      [shown = shown_](QString& /*failure*/) { return camera::CameraNumbersJson(shown->numbers); });
}

}  // namespace voka
