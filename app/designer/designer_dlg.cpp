// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designer/designer_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "app/common/library_texts.h"
#include "app/common/module_dir.h"
#include "app/common/refusal_style.h"
#include "app/designer/misalignment_panel.h"
#include "app/designer/wavefront_panel.h"
#include "output/file_replace.h"
#include "pupils/design_check.h"
#include "pupils/design_file.h"
#include "pupils/design_json.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "pupils/pupil_bitmap.h"

namespace voka {

namespace {

// Small enough to render within a frame while a slider is dragged (about a
// millisecond), large enough to show a vane of a fifth of a millimetre.
constexpr int kPreviewSidePixels = 320;
constexpr int kDefaultBitmapSidePixels = static_cast<int>(limits::SavedPupilSide().defaultValue);
// Limits of the controls, in millimetres (the table says why).
constexpr double kMaxLengthMm = limits::DesignLengthMm().maximum;
constexpr double kMaxRadiusMm = limits::CurvedVaneRadiusMm().maximum;
// The angle slider moves in tenths of a degree.
constexpr int kSliderStepsPerDegree = 10;

QString DesignFilter() {
  return QCoreApplication::translate("voka::CDesignerDlg", "瞳の設計 (*.json);;All files (*.*)");
}
const QString kBitmapFilter = QStringLiteral("BMP files (*.bmp)");

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

QDoubleSpinBox* LengthBox(double minimumMm, double maximumMm, int decimals = 2) {
  auto* box = new QDoubleSpinBox;
  box->setRange(minimumMm, maximumMm);
  box->setDecimals(decimals);
  box->setSuffix(QStringLiteral(" mm"));
  box->setKeyboardTracking(true);
  box->setAccelerated(true);
  return box;
}

QString VaneText(std::size_t index, const pupils::Vane& vane) {
  const bool straight = vane.shape == pupils::VaneShape::kStraight;
  return QCoreApplication::translate("voka::CDesignerDlg", "%1. %2 %3° 幅 %4 mm %5 %6 mm")
      .arg(index + 1)
      .arg(straight ? QCoreApplication::translate("voka::CDesignerDlg", "直線")
                    : QCoreApplication::translate("voka::CDesignerDlg", "曲線"))
      .arg(vane.angleDeg, 0, 'f', 1)
      .arg(vane.widthMm, 0, 'f', 2)
      .arg(straight ? QCoreApplication::translate("voka::CDesignerDlg", "オフセット")
                    : QCoreApplication::translate("voka::CDesignerDlg", "半径"))
      .arg(straight ? vane.offsetMm : vane.radiusMm, 0, 'f', 2);
}

// The presets' titles as the pupils library words them; noted here so that
// lupdate lists them, and translated by their Japanese text.
[[maybe_unused]] constexpr const char* kPresetTitles[] = {
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "遮蔽なし"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "3 本スパイダー"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "4 本スパイダー"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "4 本スパイダー（接線オフセット）"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "2 組の二重スパイダー"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "曲線スパイダー 1 本"),
    QT_TRANSLATE_NOOP("voka::CDesignerDlg", "曲線スパイダー 3 本"),
};

QString PresetTitle(const pupils::DesignPreset& preset) {
  const std::string title(preset.title);
  return QCoreApplication::translate("voka::CDesignerDlg", title.c_str());
}

// An error code of the write, or a refusal before it.
QString SaveBytes(const QString& file, std::string_view bytes) {
  const std::filesystem::path path = ToPath(file);
  const std::error_code error = ReplaceFileContents(path, bytes);
  return error ? WriteFailureText(path, error) : QString();
}

}  // namespace

CDesignerDlg::CDesignerDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("瞳の設計"));
  chooseOpenFile = [this](const QString& filter) {
    return QFileDialog::getOpenFileName(this, QString(), QString::fromStdString(ModuleDir()),
                                        filter);
  };
  chooseSaveFile = [this](const QString& filter) {
    return QFileDialog::getSaveFileName(this, QString(), QString::fromStdString(ModuleDir()),
                                        filter);
  };
  tellUser = [this](const QString& text) {
    QMessageBox::warning(this, windowTitle(), text, QMessageBox::Ok);
  };
  BuildControls();
  ConnectControls();
  ApplyPreset(2);  // four vanes: the common Newtonian
}

void CDesignerDlg::BuildControls() {
  presets_ = new QComboBox;
  presets_->setObjectName(QStringLiteral("presets"));
  for (const pupils::DesignPreset& preset : pupils::DesignPresets())
    presets_->addItem(PresetTitle(preset));

  aperture_ = LengthBox(0.01, kMaxLengthMm);
  aperture_->setObjectName(QStringLiteral("aperture"));
  obstruction_ = LengthBox(0.0, kMaxLengthMm);
  obstruction_->setObjectName(QStringLiteral("obstruction"));
  obstruction_->setSpecialValueText(tr("なし"));
  obstructionX_ = LengthBox(-kMaxLengthMm, kMaxLengthMm);
  obstructionX_->setObjectName(QStringLiteral("obstructionX"));
  obstructionY_ = LengthBox(-kMaxLengthMm, kMaxLengthMm);
  obstructionY_->setObjectName(QStringLiteral("obstructionY"));
  auto* pupilForm = new QFormLayout;
  pupilForm->addRow(tr("見本"), presets_);
  pupilForm->addRow(tr("口径"), aperture_);
  pupilForm->addRow(tr("遮蔽の直径"), obstruction_);
  pupilForm->addRow(tr("遮蔽の位置 x"), obstructionX_);
  pupilForm->addRow(tr("遮蔽の位置 y"), obstructionY_);

  vanes_ = new QListWidget;
  vanes_->setObjectName(QStringLiteral("vanes"));
  vanes_->setMinimumWidth(340);
  addVane_ = new QPushButton(tr("追加"));
  addVane_->setObjectName(QStringLiteral("addVane"));
  removeVane_ = new QPushButton(tr("削除"));
  removeVane_->setObjectName(QStringLiteral("removeVane"));
  shape_ = new QComboBox;
  shape_->setObjectName(QStringLiteral("shape"));
  shape_->addItems({tr("直線"), tr("曲線")});
  angle_ = new QDoubleSpinBox;
  angle_->setObjectName(QStringLiteral("angle"));
  angle_->setRange(0.0, 360.0);
  angle_->setWrapping(true);
  angle_->setDecimals(1);
  angle_->setSuffix(QStringLiteral("°"));
  angleSlider_ = new QSlider(Qt::Horizontal);
  angleSlider_->setObjectName(QStringLiteral("angleSlider"));
  angleSlider_->setRange(0, 360 * kSliderStepsPerDegree);
  width_ = LengthBox(0.001, kMaxLengthMm, 3);
  width_->setObjectName(QStringLiteral("width"));
  width_->setSingleStep(0.1);
  offset_ = LengthBox(-kMaxLengthMm, kMaxLengthMm);
  offset_->setObjectName(QStringLiteral("offset"));
  radius_ = LengthBox(-kMaxRadiusMm, kMaxRadiusMm);
  radius_->setObjectName(QStringLiteral("radius"));
  auto* vaneButtons = new QHBoxLayout;
  vaneButtons->addWidget(addVane_);
  vaneButtons->addWidget(removeVane_);
  auto* vaneForm = new QFormLayout;
  vaneForm->addRow(tr("形"), shape_);
  vaneForm->addRow(tr("向き（+x から左回り）"), angle_);
  vaneForm->addRow(QString(), angleSlider_);
  vaneForm->addRow(tr("幅"), width_);
  vaneForm->addRow(tr("オフセット（左へ）"), offset_);
  vaneForm->addRow(tr("半径（+ は左へ曲がる）"), radius_);
  auto* vaneBox = new QGroupBox(tr("スパイダー"));
  auto* vaneLayout = new QVBoxLayout(vaneBox);
  vaneLayout->addWidget(vanes_);
  vaneLayout->addLayout(vaneButtons);
  vaneLayout->addLayout(vaneForm);

  preview_ = new QLabel;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setFixedSize(kPreviewSidePixels, kPreviewSidePixels);
  problem_ = new QLabel;
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setWordWrap(true);
  problem_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
  problem_->setMaximumWidth(kPreviewSidePixels);
  auto* left = new QVBoxLayout;
  left->addWidget(preview_);
  left->addWidget(problem_);
  left->addStretch();
  wavefront_ = new WavefrontPanel;
  left->insertWidget(2, wavefront_);
  auto* right = new QVBoxLayout;
  right->addLayout(pupilForm);
  right->addWidget(vaneBox);
  right->addWidget(new MisalignmentPanel([this] { return design_; },
                                         [this](const pupils::PupilDesign& d) { SetDesign(d); }));
  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addLayout(right);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(body);
  whole->addLayout(BuildCommandRow());
}

QHBoxLayout* CDesignerDlg::BuildCommandRow() {
  auto* open = new QPushButton(tr("開く..."));
  open->setObjectName(QStringLiteral("openDesign"));
  saveDesign_ = new QPushButton(tr("設計を保存..."));
  saveDesign_->setObjectName(QStringLiteral("saveDesign"));
  savePupil_ = new QPushButton(tr("BMP で保存..."));
  savePupil_->setObjectName(QStringLiteral("savePupil"));
  bitmapSide_ = new QSpinBox;
  bitmapSide_->setObjectName(QStringLiteral("bitmapSide"));
  bitmapSide_->setRange(static_cast<int>(limits::SavedPupilSide().minimum),
                        static_cast<int>(limits::SavedPupilSide().maximum));
  bitmapSide_->setValue(kDefaultBitmapSidePixels);
  bitmapSide_->setSuffix(QStringLiteral(" px"));
  // Drawing a large bitmap gives no percentages: the bar only shows that it runs.
  saveProgress_ = new QProgressBar;
  saveProgress_->setObjectName(QStringLiteral("saveProgress"));
  saveProgress_->setRange(0, 0);
  saveProgress_->setMaximumWidth(80);
  cancelSave_ = new QPushButton(tr("中止"));
  cancelSave_->setObjectName(QStringLiteral("cancelSave"));
  cancelSave_->setAutoDefault(false);
  ShowSaving(false);
  use_ = new QPushButton(tr("この瞳を使う"));
  use_->setObjectName(QStringLiteral("usePupil"));
  connect(open, &QPushButton::clicked, this, &CDesignerDlg::OnOpenDesign);
  connect(saveDesign_, &QPushButton::clicked, this, &CDesignerDlg::OnSaveDesign);
  connect(savePupil_, &QPushButton::clicked, this, &CDesignerDlg::OnSavePupil);
  connect(use_, &QPushButton::clicked, this, &CDesignerDlg::OnUsePupil);
  connect(cancelSave_, &QPushButton::clicked, this, &CDesignerDlg::CancelSave);
  connect(&saver_, &LatestOnlyRunner::Started, this, [this] { ShowSaving(true); });
  connect(&saver_, &LatestOnlyRunner::Idle, this, [this] { ShowSaving(false); });
  commands_ = new QHBoxLayout;
  commands_->addWidget(open);
  commands_->addWidget(saveDesign_);
  commands_->addSpacing(12);
  commands_->addWidget(savePupil_);
  commands_->addWidget(bitmapSide_);
  commands_->addWidget(saveProgress_);
  commands_->addWidget(cancelSave_);
  commands_->addStretch();
  commands_->addWidget(use_);
  return commands_;
}

void CDesignerDlg::AddCommandButton(QPushButton* button) {
  commands_->addWidget(button);
}

void CDesignerDlg::ConnectControls() {
  connect(presets_, &QComboBox::activated, this, &CDesignerDlg::ApplyPreset);
  for (QDoubleSpinBox* box :
       {aperture_, obstruction_, obstructionX_, obstructionY_, angle_, width_, offset_, radius_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &CDesignerDlg::Changed);
  connect(shape_, &QComboBox::currentIndexChanged, this, &CDesignerDlg::Changed);
  // The slider and the angle box show one value; either moves the other.
  connect(angleSlider_, &QSlider::valueChanged, this, [this](int steps) {
    if (!showing_) angle_->setValue(static_cast<double>(steps) / kSliderStepsPerDegree);
  });
  connect(vanes_, &QListWidget::currentRowChanged, this, &CDesignerDlg::ShowVane);
  connect(addVane_, &QPushButton::clicked, this, &CDesignerDlg::AddVane);
  connect(removeVane_, &QPushButton::clicked, this, &CDesignerDlg::RemoveVane);
  connect(wavefront_, &WavefrontPanel::TermEdited, this, &CDesignerDlg::OnTermEdited);
}

void CDesignerDlg::ApplyPreset(int index) {
  const auto presets = pupils::DesignPresets();
  if (index < 0 || static_cast<std::size_t>(index) >= presets.size()) return;
  const std::optional<pupils::PupilDesign> design = pupils::PresetDesign(presets[index].name);
  if (!design) return;
  presets_->setCurrentIndex(index);
  SetDesign(*design);
}

void CDesignerDlg::SetDesign(const pupils::PupilDesign& design) {
  design_ = design;
  showing_ = true;
  aperture_->setValue(design.apertureDiameterMm);
  const pupils::Obstruction obstruction = design.obstruction.value_or(pupils::Obstruction{});
  obstruction_->setValue(obstruction.diameterMm);
  obstructionX_->setValue(obstruction.offsetXMm);
  obstructionY_->setValue(obstruction.offsetYMm);
  showing_ = false;
  wavefront_->ShowTerms(design.wavefront);
  RefreshVaneList();
  ShowPreview();
  // A preset or an opened file is a change like any other to those who follow.
  if (!pupils::FindDesignProblem(design_)) emit DesignChanged(design_);
}

void CDesignerDlg::RefreshVaneList() {
  showing_ = true;
  const int current = vanes_->currentRow();
  vanes_->clear();
  for (std::size_t i = 0; i < design_.vanes.size(); ++i)
    vanes_->addItem(VaneText(i, design_.vanes[i]));
  showing_ = false;
  const int count = static_cast<int>(design_.vanes.size());
  vanes_->setCurrentRow(count == 0 ? -1 : std::clamp(current, 0, count - 1));
  ShowVane(vanes_->currentRow());
}

void CDesignerDlg::ShowVane(int index) {
  if (showing_) return;
  const bool valid = index >= 0 && static_cast<std::size_t>(index) < design_.vanes.size();
  for (QWidget* control : std::initializer_list<QWidget*>{shape_, angle_, angleSlider_, width_,
                                                          offset_, radius_, removeVane_})
    control->setEnabled(valid);
  if (!valid) return;
  const pupils::Vane& vane = design_.vanes[static_cast<std::size_t>(index)];
  const bool straight = vane.shape == pupils::VaneShape::kStraight;
  showing_ = true;
  shape_->setCurrentIndex(straight ? 0 : 1);
  angle_->setValue(std::fmod(std::fmod(vane.angleDeg, 360.0) + 360.0, 360.0));
  angleSlider_->setValue(static_cast<int>(std::lround(angle_->value() * kSliderStepsPerDegree)));
  width_->setValue(vane.widthMm);
  offset_->setValue(vane.offsetMm);
  radius_->setValue(vane.radiusMm);
  showing_ = false;
  offset_->setEnabled(straight);
  radius_->setEnabled(!straight);
}

void CDesignerDlg::ReadControls() {
  design_.apertureDiameterMm = aperture_->value();
  if (obstruction_->value() > 0)
    design_.obstruction =
        pupils::Obstruction{obstruction_->value(), obstructionX_->value(), obstructionY_->value()};
  else
    design_.obstruction.reset();
  const int index = vanes_->currentRow();
  if (index < 0 || static_cast<std::size_t>(index) >= design_.vanes.size()) return;
  pupils::Vane& vane = design_.vanes[static_cast<std::size_t>(index)];
  vane.shape =
      shape_->currentIndex() == 0 ? pupils::VaneShape::kStraight : pupils::VaneShape::kCurved;
  vane.angleDeg = angle_->value();
  vane.widthMm = width_->value();
  vane.offsetMm = offset_->value();
  vane.radiusMm = radius_->value();
  offset_->setEnabled(vane.shape == pupils::VaneShape::kStraight);
  radius_->setEnabled(vane.shape == pupils::VaneShape::kCurved);
  showing_ = true;
  angleSlider_->setValue(static_cast<int>(std::lround(vane.angleDeg * kSliderStepsPerDegree)));
  vanes_->item(index)->setText(VaneText(static_cast<std::size_t>(index), vane));
  showing_ = false;
}

void CDesignerDlg::Changed() {
  if (showing_) return;
  ReadControls();
  ShowPreview();
  if (!pupils::FindDesignProblem(design_)) emit DesignChanged(design_);
}

void CDesignerDlg::OnTermEdited(int nollIndex, double rmsNm) {
  design_.wavefront = WithTerm(design_.wavefront, nollIndex, rmsNm);
  // The wavefront leaves the open pupil, and so the preview, as it was.
  if (pupils::FindDesignProblem(design_)) return;
  wavefront_->Measure(design_);
  emit DesignChanged(design_);
}

void CDesignerDlg::AddVane() {
  pupils::Vane vane;
  if (!design_.vanes.empty()) vane = design_.vanes.back();
  vane.angleDeg = std::fmod(vane.angleDeg + 90.0, 360.0);
  if (design_.vanes.size() >= static_cast<std::size_t>(pupils::kMaxVanes)) return;
  design_.vanes.push_back(vane);
  vanes_->setCurrentRow(-1);
  RefreshVaneList();
  vanes_->setCurrentRow(static_cast<int>(design_.vanes.size()) - 1);
  Changed();
}

void CDesignerDlg::RemoveVane() {
  const int index = vanes_->currentRow();
  if (index < 0 || static_cast<std::size_t>(index) >= design_.vanes.size()) return;
  design_.vanes.erase(design_.vanes.begin() + index);
  RefreshVaneList();
  ShowPreview();
  if (!pupils::FindDesignProblem(design_)) emit DesignChanged(design_);
}

void CDesignerDlg::ShowPreview() {
  const std::optional<pupils::DesignProblem> problem = pupils::FindDesignProblem(design_);
  // A design that cannot be drawn is neither used nor saved: its file would
  // be refused when opened again.
  for (QPushButton* command : {use_, savePupil_, saveDesign_}) command->setEnabled(!problem);
  if (saver_.IsBusy()) savePupil_->setEnabled(false);
  if (problem) {
    // The last drawable pupil stays in view while the user corrects the value.
    problem_->setText(DesignProblemText(*problem));
    return;
  }
  problem_->clear();
  // The open pupil weighs the wavefront: its RMS follows every change.
  wavefront_->Measure(design_);
  if (!pupils::RenderOpenFractionInto(design_, kPreviewSidePixels, previewFractions_)) return;
  QImage image(kPreviewSidePixels, kPreviewSidePixels, QImage::Format_Grayscale8);
  for (int y = 0; y < kPreviewSidePixels; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < kPreviewSidePixels; ++x)
      line[x] = static_cast<uchar>(pupils::GreyLevel(
          previewFractions_[static_cast<std::size_t>(y) * kPreviewSidePixels + x]));
  }
  preview_->setPixmap(QPixmap::fromImage(image));
}

void CDesignerDlg::OnOpenDesign() {
  const QString file = chooseOpenFile(DesignFilter());
  if (file.isEmpty()) return;
  const std::filesystem::path path = ToPath(file);
  const pupils::DesignLoad load = pupils::LoadDesignFile(path);
  if (!load.design) return tellUser(DesignLoadText(load, path));
  SetDesign(*load.design);
}

void CDesignerDlg::OnSaveDesign() {
  if (pupils::FindDesignProblem(design_)) return;
  const QString file = chooseSaveFile(DesignFilter());
  if (file.isEmpty()) return;
  const QByteArray text = pupils::DesignToJson(design_);
  const QString failure =
      SaveBytes(file, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (!failure.isEmpty()) tellUser(failure);
}

void CDesignerDlg::OnSavePupil() {
  if (pupils::FindDesignProblem(design_) || saver_.IsBusy()) return;
  const QString file = chooseSaveFile(kBitmapFilter);
  if (file.isEmpty()) return;
  // A 4096-pixel bitmap takes seconds to draw and 48 MiB to write: both run
  // on the saver's thread, and the designer stays in use meanwhile. The
  // design is copied, so later edits do not reach the file.
  saver_.Submit([this, design = design_, side = bitmapSide_->value(), file](
                    const CancelFlag& cancel, const ProgressSink&) -> Delivery {
    const bmp_writer::Bytes bytes = pupils::PupilBitmap(design, side);
    // A cancelled save writes nothing, not even a whole file.
    if (cancel.IsRaised()) return nullptr;
    const QString failure = SaveBytes(
        file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (failure.isEmpty()) return nullptr;
    return [this, failure] { tellUser(failure); };
  });
}

bool CDesignerDlg::IsSaving() const {
  return saver_.IsBusy();
}

void CDesignerDlg::CancelSave() {
  if (saver_.IsBusy()) saver_.Cancel();
}

void CDesignerDlg::ShowSaving(bool saving) {
  savePupil_->setEnabled(!saving && !pupils::FindDesignProblem(design_));
  saveProgress_->setVisible(saving);
  cancelSave_->setVisible(saving);
}

void CDesignerDlg::OnUsePupil() {
  if (!pupils::FindDesignProblem(design_)) emit UsePupil(design_);
}

}  // namespace voka
