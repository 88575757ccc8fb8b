// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compare/compare_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <utility>

#include "app/common/library_texts.h"
#include "app/common/refusal_style.h"
#include "app/star_image/psf_view.h"
#include "camera/camera_change.h"
#include "limits/limits.h"
#include "psf/result_record.h"
#include "psf/star_image_difference.h"
#include "psfview/camera_comparison_picture.h"
#include "psfview/comparison_picture.h"
#include "pupils/design_file.h"
#include "studies/record_delta.h"

namespace voka {

namespace {

constexpr int kInitialWidth = 1300;
constexpr int kInitialHeight = 760;

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

QSpinBox* CountBox(const limits::Limit& limit, const QString& suffix, const char* name) {
  auto* box = new QSpinBox();
  box->setRange(static_cast<int>(limit.minimum), static_cast<int>(limit.maximum));
  box->setValue(static_cast<int>(limit.defaultValue));
  box->setSuffix(suffix);
  box->setKeyboardTracking(false);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

CCompareDlg::CCompareDlg(DesignSource currentDesign, QWidget* parent)
    : QDialog(parent), currentDesign_(std::move(currentDesign)) {
  setWindowTitle(tr("比較"));
  setWindowFlags(Qt::Window);
  chooseOpenFile = [this](const QString& filter) {
    return QFileDialog::getOpenFileName(this, windowTitle(), QString(), filter);
  };
  BuildControls();
  resize(kInitialWidth, kInitialHeight);
  ShowStatus(tr("A と B の瞳を選んでください。"), false);
}

CCompareDlg::~CCompareDlg() = default;

void CCompareDlg::BuildControls() {
  auto* layout = new QGridLayout(this);
  const QString sideNames[2] = {QStringLiteral("A"), QStringLiteral("B")};
  auto* sources = new QGridLayout();
  for (int index = 0; index < 2; ++index) {
    auto* file = new QPushButton(tr("%1: ファイル...").arg(sideNames[index]));
    auto* current = new QPushButton(tr("%1: 設計中の瞳").arg(sideNames[index]));
    file->setObjectName(QStringLiteral("file%1").arg(sideNames[index]));
    current->setObjectName(QStringLiteral("current%1").arg(sideNames[index]));
    current->setEnabled(static_cast<bool>(currentDesign_));
    names_[index] = new QLabel(tr("(未選択)"));
    sources->addWidget(file, index, 0);
    sources->addWidget(current, index, 1);
    sources->addWidget(names_[index], index, 2);
    connect(file, &QPushButton::clicked, this, [this, index] {
      const QString path =
          chooseOpenFile(tr("瞳 (*.json *.bmp);;設計ファイル (*.json);;ビットマップ (*.bmp)"));
      if (!path.isEmpty()) OpenFile(index, path);
    });
    connect(current, &QPushButton::clicked, this, [this, index] { UseCurrentDesign(index); });
  }
  auto* swap = new QPushButton(tr("A と B を入れ替え"));
  swap->setObjectName(QStringLiteral("swap"));
  sources->addWidget(swap, 0, 3, 2, 1);
  connect(swap, &QPushButton::clicked, this, &CCompareDlg::Swap);
  layout->addLayout(sources, 0, 0, 1, 3);

  for (int panel = 0; panel < 3; ++panel) {
    views_[panel] = new PsfView();
    layout->addWidget(views_[panel], 1, panel);
  }
  layout->addWidget(new QLabel(QStringLiteral("A")), 2, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("B")), 2, 1, Qt::AlignHCenter);
  changeScale_ = new QComboBox();
  changeScale_->setObjectName(QStringLiteral("changeScale"));
  changeScale_->addItems({tr("変化 B − A"), tr("変化 log10(B/A)")});
  layout->addWidget(changeScale_, 2, 2, Qt::AlignHCenter);
  connect(changeScale_, &QComboBox::currentIndexChanged, this, &CCompareDlg::Redraw);

  auto* settings = new QHBoxLayout();
  sideN_ = CountBox(limits::PupilSide(), tr(" 画素"), "sideN");
  sideN_->setValue(512);
  padQ_ = CountBox(limits::PadFactor(), tr(" 倍"), "padQ");
  decades_ = CountBox(limits::Decades(), tr(" 桁"), "decades");
  field_ = CountBox(limits::ViewFieldLambdaOverD(), tr(" λ/D"), "field");
  field_->setPrefix(tr("±"));
  const std::pair<QString, QSpinBox*> boxes[] = {{tr("設計の一辺 N"), sideN_},
                                                 {tr("拡大率 Q"), padQ_},
                                                 {tr("表示の桁数"), decades_},
                                                 {tr("視野"), field_}};
  for (const auto& [label, box] : boxes) {
    settings->addWidget(new QLabel(label));
    settings->addWidget(box);
  }
  connect(sideN_, &QSpinBox::valueChanged, this, &CCompareDlg::Recompute);
  connect(padQ_, &QSpinBox::valueChanged, this, &CCompareDlg::Recompute);
  connect(decades_, &QSpinBox::valueChanged, this, &CCompareDlg::Redraw);
  connect(field_, &QSpinBox::valueChanged, this, &CCompareDlg::Redraw);
  cameraMode_ = new QCheckBox(tr("カメラ像で比べる"));
  cameraMode_->setObjectName(QStringLiteral("cameraMode"));
  cameraMode_->setToolTip(
      tr("カメラ像のウィンドウが開いていればその設定で、なければ既定の設定で、A と B の"
         "カメラ像を一つの階調で比べます"));
  settings->addWidget(cameraMode_);
  connect(cameraMode_, &QCheckBox::toggled, this, &CCompareDlg::SetCameraMode);
  progress_ = new QProgressBar();
  progress_->setRange(0, 100);
  // A percentage only while something runs: "0%" beside a result reads as nothing done.
  progress_->setTextVisible(false);
  cancel_ = new QPushButton(tr("中止"));
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setEnabled(false);
  settings->addWidget(progress_, 1);
  settings->addWidget(cancel_);
  layout->addLayout(settings, 3, 0, 1, 3);
  status_ = new QLabel();
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  layout->addWidget(status_, 4, 0, 1, 3);

  numbers_ = new QTableWidget(0, 4);
  numbers_->setObjectName(QStringLiteral("numbers"));
  numbers_->setHorizontalHeaderLabels(
      {tr("量"), QStringLiteral("A"), QStringLiteral("B"), tr("変化 B − A")});
  numbers_->horizontalHeader()->setStretchLastSection(true);
  numbers_->verticalHeader()->hide();
  numbers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(numbers_, 5, 0, 1, 3);
  layout->setRowStretch(1, 3);
  layout->setRowStretch(5, 1);

  connect(&runner_, &LatestOnlyRunner::Started, this, [this] {
    cancel_->setEnabled(true);
    progress_->setTextVisible(true);
    ShowStatus(tr("計算しています..."), false);
  });
  connect(&runner_, &LatestOnlyRunner::ProgressChanged, progress_, &QProgressBar::setValue);
  connect(&runner_, &LatestOnlyRunner::Idle, this, [this] {
    cancel_->setEnabled(false);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    emit Updated();
  });
  connect(cancel_, &QPushButton::clicked, this, &CCompareDlg::Cancel);
}

void CCompareDlg::SetPupil(int index, ComparedPupil pupil) {
  names_[index]->setText(pupil.name);
  pupils_[index] = std::move(pupil);
  Recompute();
}

void CCompareDlg::OpenFile(int index, const QString& path) {
  ComparedPupil pupil;
  pupil.name = QFileInfo(path).fileName();
  if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
    // A design file is small; reading it here keeps its refusal beside the
    // choice that caused it.
    const pupils::DesignLoad load = pupils::LoadDesignFile(ToPath(path));
    if (!load.design) {
      ShowStatus(QString::fromUtf8(load.message.c_str()), true);
      return;
    }
    pupil.design = *load.design;
  } else {
    pupil.bitmapPath = ToPath(path);
  }
  SetPupil(index, std::move(pupil));
}

void CCompareDlg::UseCurrentDesign(int index) {
  const std::optional<pupils::PupilDesign> design =
      currentDesign_ ? currentDesign_() : std::nullopt;
  if (!design) {
    ShowStatus(tr("設計中の瞳は描けません。設計画面で直してください。"), true);
    return;
  }
  ComparedPupil pupil;
  pupil.design = *design;
  pupil.name = tr("設計中の瞳");
  SetPupil(index, std::move(pupil));
}

// The computed images change places too, so swapping needs no computation.
void CCompareDlg::Swap() {
  std::swap(pupils_[0], pupils_[1]);
  names_[0]->setText(pupils_[0].name);
  names_[1]->setText(pupils_[1].name);
  if (runner_.IsBusy()) {
    Recompute();
    return;
  }
  std::swap(shown_.a, shown_.b);
  std::swap(shown_.cameraA, shown_.cameraB);
  shown_.onB = !shown_.onB;
  Redraw();
}

void CCompareDlg::SetCameraMode(bool on) {
  if (cameraMode_->isChecked() != on) {
    cameraMode_->setChecked(on);  // toggled comes back here
    return;
  }
  // What only the star images have.
  for (QWidget* control : std::initializer_list<QWidget*>{changeScale_, padQ_, decades_, field_})
    control->setEnabled(!on);
  Recompute();
}

void CCompareDlg::Cancel() {
  runner_.Cancel();
  ShowStatus(tr("中止しました。"), false);
}

void CCompareDlg::hideEvent(QHideEvent* event) {
  runner_.Cancel();
  QDialog::hideEvent(event);
}

void CCompareDlg::Recompute() {
  if (!pupils_[0].IsSet() || !pupils_[1].IsSet()) return;
  CompareRequest request{pupils_[0], pupils_[1], sideN_->value(), {}, {}};
  request.settings.padFactor = padQ_->value();
  if (cameraMode_->isChecked()) {
    request.camera = cameraSettings ? cameraSettings() : std::nullopt;
    if (!request.camera) request.camera.emplace();
  }
  runner_.Submit([this, request = std::move(request)](const CancelFlag& cancel,
                                                      const ProgressSink& progress) -> Delivery {
    CompareOutcome outcome = ComputeComparison(request, cancel, progress);
    if (outcome.cancelled) return nullptr;
    return [this, outcome = std::move(outcome), camera = request.camera] {
      if (camera) shownCamera_ = *camera;
      ShowOutcome(outcome);
    };
  });
}

void CCompareDlg::ShowOutcome(const CompareOutcome& outcome) {
  if (outcome.refusal != CompareRefusal::kNone) {
    ShowStatus(RefusalText(outcome), true);
    return;
  }
  shown_ = outcome;
  ShowStatus(QString(), false);
  Redraw();
}

void CCompareDlg::Redraw() {
  if (shown_.IsCamera()) {
    RedrawCamera();
    return;
  }
  if (!shown_.a || !shown_.b) return;
  const psf::StarImage& a = shown_.a->image;
  const psf::StarImage& b = shown_.b->image;
  const auto scale = changeScale_->currentIndex() == 0 ? psf::DifferenceScale::kLinear
                                                       : psf::DifferenceScale::kLogRatio;
  const std::optional<psf::StarImageDifference> change =
      psf::DifferenceOf(a, b, field_->value(), scale);
  if (!change) return;
  auto [pictureA, pictureB] =
      psfview::SharedScalePictures(a, b, decades_->value(), field_->value());
  views_[0]->Show(std::move(pictureA));
  views_[1]->Show(std::move(pictureB));
  views_[2]->Show(
      psfview::DifferencePicture(*change, psfview::CropHalfWidthArcsec(a, change->side)));
  FillNumbers();
}

void CCompareDlg::FillNumbers() {
  const std::vector<psf::Quantity> a = psf::ResultRecord(*shown_.a);
  const std::vector<psf::Quantity> b = psf::ResultRecord(*shown_.b);
  const std::vector<psf::Quantity> delta = studies::RecordDelta(a, b);
  const std::pair<std::string_view, QString> rows[] = {
      {"peak_ratio", tr("ピーク比")},
      {"ee_1_22", tr("包囲エネルギー 1.22 λ/D")},
      {"ee_2_23", tr("包囲エネルギー 2.23 λ/D")},
      {"ee_5", tr("包囲エネルギー 5 λ/D")},
      {"spike_fraction", tr("スパイクの光量")},
      {"strehl", tr("ストレール比")},
  };
  numbers_->setRowCount(0);
  for (const auto& [key, label] : rows) {
    const auto value = [key](const std::vector<psf::Quantity>& record) -> std::optional<double> {
      for (const psf::Quantity& quantity : record)
        if (quantity.key == key) return quantity.value;
      return std::nullopt;
    };
    const std::optional<double> change = value(delta);
    if (!change) continue;
    const int row = numbers_->rowCount();
    numbers_->insertRow(row);
    numbers_->setItem(row, 0, new QTableWidgetItem(label));
    const double shown[] = {*value(a), *value(b), *change};
    for (int column = 0; column < 3; ++column) {
      const QString text = column == 2 ? QString::asprintf("%+.6f", shown[column])
                                       : QString::number(shown[column], 'f', 6);
      numbers_->setItem(row, column + 1, new QTableWidgetItem(text));
    }
  }
  // The quantities' names whole, not cut to "Encircled energy 1.22 ...".
  numbers_->resizeColumnToContents(0);
}

void CCompareDlg::RedrawCamera() {
  std::optional<psfview::CameraComparisonPictures> pictures = psfview::CameraComparisonPicturesOf(
      shown_.cameraA->image, shown_.cameraB->image, shown_.cameraA->settings, shownCamera_.exposure,
      shownCamera_.display);
  if (!pictures) return;
  views_[0]->Show(std::move(pictures->a));
  views_[1]->Show(std::move(pictures->b));
  views_[2]->Show(std::move(pictures->change));
  FillCameraNumbers();
}

void CCompareDlg::FillCameraNumbers() {
  const camera::CameraNumbers& a = shown_.cameraA->numbers;
  const camera::CameraNumbers& b = shown_.cameraB->numbers;
  const std::vector<camera::NamedCameraNumber> namedA = camera::NamedCameraNumbers(a);
  const std::vector<camera::NamedCameraNumber> namedB = camera::NamedCameraNumbers(b);
  const std::vector<camera::NamedCameraNumber> change =
      camera::NamedCameraNumbers(camera::CameraNumbersChange(a, b));
  const QStringList channels =
      QString::fromStdString(shown_.cameraA->image.channels.channelNames).split(QLatin1Char(','));
  const auto label = [&](const camera::NamedCameraNumber& number) -> QString {
    const int channel = number.channel;
    if (channel >= 0) {
      return tr("最も明るい画素の光量 (%1)")
          .arg(channel < channels.size() ? channels[channel] : QString::number(channel));
    }
    const std::string& key = number.key;
    if (key == "ee_1px") return tr("半径 1 画素内の光量");
    if (key == "ee_2px") return tr("半径 2 画素内の光量");
    if (key == "ee_3px") return tr("半径 3 画素内の光量");
    if (key == "spike_fraction") return tr("スパイクの光量");
    return QString();  // the sampling is the same for both
  };
  numbers_->setRowCount(0);
  for (std::size_t i = 0; i < change.size() && i < namedA.size() && i < namedB.size(); ++i) {
    const QString name = label(change[i]);
    if (name.isEmpty()) continue;
    const int row = numbers_->rowCount();
    numbers_->insertRow(row);
    numbers_->setItem(row, 0, new QTableWidgetItem(name));
    numbers_->setItem(row, 1, new QTableWidgetItem(QString::number(namedA[i].value, 'f', 6)));
    numbers_->setItem(row, 2, new QTableWidgetItem(QString::number(namedB[i].value, 'f', 6)));
    numbers_->setItem(row, 3, new QTableWidgetItem(QString::asprintf("%+.6f", change[i].value)));
  }
  numbers_->resizeColumnToContents(0);
}

void CCompareDlg::ShowStatus(const QString& text, bool refusal) {
  status_->setStyleSheet(refusal ? QString::fromLatin1(kRefusalStyleSheet) : QString());
  status_->setText(text);
}

QString CCompareDlg::RefusalText(const CompareOutcome& outcome) const {
  const QString side = outcome.onB ? QStringLiteral("B") : QStringLiteral("A");
  switch (outcome.refusal) {
    case CompareRefusal::kNoPupil:
      return tr("A と B の瞳を選んでください。");
    case CompareRefusal::kBitmapUnreadable:
      return DibRefusalText(outcome.bitmapRefusal, pupils_[outcome.onB ? 1 : 0].bitmapPath);
    case CompareRefusal::kBitmapTooLarge:
      return tr("%1 の画像は大きすぎます (一辺 %2 画素まで)。縮小して保存し直してください。")
          .arg(side)
          .arg(psf::kMaximumPupilSide);
    case CompareRefusal::kSidesDiffer:
      return tr(
          "A と B の画像の大きさが違うため、同じ格子で比べられません。"
          "同じ大きさの画像を選んでください。");
    case CompareRefusal::kAperturesDiffer:
      return tr(
          "A と B の設計の口径が違うため、同じ角度の格子で比べられません。"
          "口径をそろえてください。");
    case CompareRefusal::kGridTooLarge:
      return tr("格子 (一辺 × Q) が一辺 %1 を超えます。N か Q を小さくしてください。")
          .arg(psf::kMaximumPaddedSide);
    case CompareRefusal::kSettings:
      return tr("口径が範囲外です。設計の口径を直してください。");
    case CompareRefusal::kNoLight:
      return tr("%1 の瞳はどこも光を通しません。開口のある瞳を選んでください。").arg(side);
    case CompareRefusal::kCamera:
      return tr("%1 のカメラ像: %2").arg(side, outcome.cameraRefusal);
    case CompareRefusal::kNone:
      break;
  }
  return QString();
}

}  // namespace voka
