// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designer/wavefront_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <optional>

#include "psf/star_image.h"
#include "psf/strehl_ratio.h"
#include "pupils/star_pupil.h"
#include "wavefront/wavefront_rms.h"

namespace voka {

namespace {

constexpr int kMeasurePadFactor = 4;

int Nm(double value, const limits::Limit& limit) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, limit.minimum, limit.maximum)));
}

struct Measurement {
  double rmsNm = 0.0;
  double strehl = 1.0;
};

// The same pupil and the same laws as the star image's table, on a smaller grid.
std::optional<Measurement> MeasureDesign(const pupils::PupilDesign& design,
                                         const CancelFlag& cancel) {
  const psf::PupilField pupil =
      pupils::StarPupilOfDesign(design, WavefrontPanel::kMeasureSidePixels);
  if (pupil.side <= 0 || !psf::PupilLetsLightThrough(pupil)) return std::nullopt;
  if (!pupil.HasPhase()) return Measurement{};
  psf::PsfSettings settings;
  settings.padFactor = kMeasurePadFactor;
  settings.wavelengthNm = WavefrontPanel::kStrehlWavelengthNm;
  settings.apertureDiameterMm = design.apertureDiameterMm;
  const std::optional<psf::StarImage> image =
      psf::ComputeStarImage(pupil, settings, {{}, [&cancel] { return cancel.IsRaised(); }});
  if (!image) return std::nullopt;
  return Measurement{wavefront::WavefrontRmsNm(pupil.amplitude, pupil.opdNm),
                     psf::StrehlRatio(pupil, *image)};
}

}  // namespace

wavefront::WavefrontTerms WithTerm(wavefront::WavefrontTerms terms, int nollIndex, double rmsNm) {
  if (rmsNm == 0.0)
    terms.zernikeRmsNm.erase(nollIndex);
  else
    terms.zernikeRmsNm[nollIndex] = rmsNm;
  return terms;
}

WavefrontPanel::WavefrontPanel(QWidget* parent) : QGroupBox(parent) {
  setTitle(tr("波面の誤差 (nm RMS)"));
  auto* grid = new QGridLayout(this);
  AddTerm(4, tr("焦点はずれ"), grid, 0);
  AddTerm(5, tr("非点収差 0°"), grid, 1);
  AddTerm(6, tr("非点収差 45°"), grid, 2);
  AddTerm(7, tr("コマ収差 x"), grid, 3);
  AddTerm(8, tr("コマ収差 y"), grid, 4);
  AddTerm(9, tr("三つ葉収差 1"), grid, 5);
  AddTerm(10, tr("三つ葉収差 2"), grid, 6);
  AddTerm(11, tr("球面収差"), grid, 7);
  rms_ = new QLabel;
  rms_->setObjectName(QStringLiteral("wavefrontRms"));
  strehl_ = new QLabel;
  strehl_->setObjectName(QStringLiteral("wavefrontStrehl"));
  grid->addWidget(rms_, 8, 0, 1, 3);
  grid->addWidget(strehl_, 9, 0, 1, 3);
  rms_->setToolTip(
      tr("遮蔽とスパイダーを除いた開口での波面の標準偏差 (傾きを含む)。"
         "遮蔽があると各項の二乗和の平方根とは異なります。"));
  ShowMeasure(0.0, 1.0);
}

void WavefrontPanel::AddTerm(int nollIndex, const QString& name, QGridLayout* grid, int row) {
  const limits::Limit& slider = limits::DesignerAberrationNm();
  const limits::Limit& value = limits::ZernikeRmsNm();
  auto* bar = new QSlider(Qt::Horizontal);
  bar->setRange(Nm(slider.minimum, slider), Nm(slider.maximum, slider));
  bar->setObjectName(QStringLiteral("zernike%1").arg(nollIndex));
  // A file may hold more than the slider reaches: the box shows it whole.
  auto* box = new QSpinBox;
  box->setRange(Nm(value.minimum, value), Nm(value.maximum, value));
  box->setSuffix(tr(" nm"));
  box->setKeyboardTracking(false);
  box->setObjectName(QStringLiteral("zernikeBox%1").arg(nollIndex));
  grid->addWidget(new QLabel(tr("%1 (j = %2)").arg(name).arg(nollIndex)), row, 0);
  grid->addWidget(bar, row, 1);
  grid->addWidget(box, row, 2);
  sliders_[nollIndex] = bar;
  boxes_[nollIndex] = box;
  // Each moves the other quietly, and the edit is told once.
  connect(bar, &QSlider::valueChanged, this, [this, box, nollIndex](int nm) {
    const QSignalBlocker quiet(box);
    box->setValue(nm);
    emit TermEdited(nollIndex, nm);
  });
  connect(box, &QSpinBox::valueChanged, this, [this, bar, nollIndex](int nm) {
    const QSignalBlocker quiet(bar);
    bar->setValue(nm);
    emit TermEdited(nollIndex, nm);
  });
}

void WavefrontPanel::ShowTerms(const wavefront::WavefrontTerms& terms) {
  for (const auto& [nollIndex, bar] : sliders_) {
    const auto found = terms.zernikeRmsNm.find(nollIndex);
    const double nm = found == terms.zernikeRmsNm.end() ? 0.0 : found->second;
    const QSignalBlocker quietBar(bar);
    const QSignalBlocker quietBox(boxes_[nollIndex]);
    bar->setValue(Nm(nm, limits::DesignerAberrationNm()));
    boxes_[nollIndex]->setValue(Nm(nm, limits::ZernikeRmsNm()));
  }
}

void WavefrontPanel::Measure(const pupils::PupilDesign& design) {
  if (design.wavefront.Empty()) {
    measurer_.Cancel();
    ShowMeasure(0.0, 1.0);
    return;
  }
  measurer_.Submit(
      [this, design](const CancelFlag& cancel,
                     const LatestOnlyRunner::ProgressSink&) -> LatestOnlyRunner::Delivery {
        const std::optional<Measurement> measured = MeasureDesign(design, cancel);
        if (!measured) return nullptr;
        return [this, measured = *measured] { ShowMeasure(measured.rmsNm, measured.strehl); };
      });
}

void WavefrontPanel::ShowMeasure(double rmsNm, double strehl) {
  rms_->setText(tr("開口での波面 RMS: %1 nm (%2 波長)")
                    .arg(rmsNm, 0, 'f', 1)
                    .arg(rmsNm / kStrehlWavelengthNm, 0, 'f', 3));
  strehl_->setText(
      tr("Strehl 比: %1 (%2 nm で)").arg(strehl, 0, 'f', 3).arg(kStrehlWavelengthNm, 0, 'f', 0));
}

}  // namespace voka
