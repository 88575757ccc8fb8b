// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/star_test_panel.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>
#include <new>
#include <system_error>

#include "app/common/refusal_style.h"
#include "app/star_image/design_optics.h"
#include "app/star_image/psf_view.h"
#include "psfview/log_view.h"
#include "psfview/star_test_pictures.h"

namespace voka {

namespace {

// The j = 4 RMS of a defocus of `waves` peak to valley: j = 4 spans 2√3 per
// unit RMS.
double DefocusRmsNm(double waves, double wavelengthNm) {
  return waves * wavelengthNm / (2.0 * std::sqrt(3.0));
}

struct TestOutcome {
  std::shared_ptr<const psf::StarTestImages> test;
  QString refusal;
};

TestOutcome ComputeTest(const StarImageRequest& request, double waves, const CancelFlag& cancel,
                        const LatestOnlyRunner::ProgressSink& progress) {
  try {
    std::shared_ptr<const psf::PupilField> pupil = request.pupil;
    if (!pupil)
      pupil = std::make_shared<const psf::PupilField>(request.renderPupil(request.renderSide));
    if (pupil->side <= 0)
      return {nullptr,
              QCoreApplication::translate("voka::StarTestPanel",
                                          "瞳を描けませんでした。設計を見直してください。")};
    if (!psf::PupilLetsLightThrough(*pupil)) return {nullptr, NoLightRefusal()};
    std::optional<psf::StarTestImages> test = psf::ComputeStarTest(
        *pupil, request.settings, waves, {progress, [&cancel] { return cancel.IsRaised(); }});
    if (!test) {
      if (cancel.IsRaised()) return {};
      return {nullptr, QCoreApplication::translate(
                           "voka::StarTestPanel",
                           "スターテストを計算できませんでした。瞳の一辺 N か拡大率 Q を"
                           "変えてください。")};
    }
    return {std::make_shared<const psf::StarTestImages>(std::move(*test)), {}};
  } catch (const std::bad_alloc&) {
    return {nullptr, QCoreApplication::translate(
                         "voka::StarTestPanel",
                         "スターテストを計算するメモリが足りません。瞳の一辺 N か拡大率 Q を"
                         "小さくしてください。")};
  } catch (const std::system_error&) {
    return {nullptr, QCoreApplication::translate(
                         "voka::StarTestPanel",
                         "スターテストを計算するスレッドを起動できませんでした。ほかの"
                         "プログラムを閉じてから、もう一度計算してください。")};
  }
}

}  // namespace

StarTestPanel::StarTestPanel(QWidget* parent) : QWidget(parent) {
  decades_ = psf::kDefaultDecades;
  const limits::Limit& waves = limits::StarTestWaves();
  waves_ = new QDoubleSpinBox;
  waves_->setObjectName(QStringLiteral("starTestWaves"));
  waves_->setRange(waves.minimum, waves.maximum);
  waves_->setDecimals(1);
  waves_->setSingleStep(0.5);
  waves_->setValue(waves.defaultValue);
  waves_->setSuffix(tr(" 波長 (PV)"));
  waves_->setKeyboardTracking(false);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("starTestStatus"));
  status_->setWordWrap(true);
  guard_ = new QLabel;
  guard_->setObjectName(QStringLiteral("starTestGuard"));
  guard_->setWordWrap(true);
  guard_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("焦点はずし ±")));
  top->addWidget(waves_);
  top->addWidget(status_, 1);
  auto* images = new QGridLayout;
  for (int plane = 0; plane < 3; ++plane) {
    views_[plane] = new PsfView;
    views_[plane]->setObjectName(QStringLiteral("starTestView%1").arg(plane));
    headings_[plane] = new QLabel;
    headings_[plane]->setAlignment(Qt::AlignCenter);
    images->addWidget(headings_[plane], 0, plane);
    images->addWidget(views_[plane], 1, plane);
  }
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(top);
  whole->addWidget(guard_);
  whole->addLayout(images, 1);
  connect(waves_, &QDoubleSpinBox::valueChanged, this, [this] {
    ShowGuard();
    stale_ = true;
    if (isVisible()) Compute();
  });
  connect(&runner_, &LatestOnlyRunner::Started, this,
          [this] { status_->setText(tr("計算しています...")); });
  connect(&runner_, &LatestOnlyRunner::ProgressChanged, this,
          [this](int percent) { status_->setText(tr("計算しています... %1%").arg(percent)); });
}

StarTestPanel::~StarTestPanel() = default;

bool StarTestPanel::SameAsComputed(const StarImageRequest& request) const {
  return computed_.pupilVersion == request.pupilVersion &&
         computed_.renderSide == request.renderSide && computed_.pupil == request.pupil &&
         SameTransform(computed_.settings, request.settings) &&
         SamePhysicalSettings(computed_.settings, request.settings);
}

void StarTestPanel::Follow(const StarImageRequest& request, double designDefocusRmsNm) {
  if (submitted_ && !stale_ && SameAsComputed(request) && designDefocusRmsNm == designDefocusRmsNm_)
    return;
  request_ = request;
  request_.reuse = nullptr;
  designDefocusRmsNm_ = designDefocusRmsNm;
  stale_ = true;
  ShowGuard();
  if (isVisible()) Compute();
}

void StarTestPanel::SetDecades(int decades) {
  decades_ = decades;
  ShowPictures();
}

void StarTestPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Compute();
}

// Out of view the test computes for no one; it is redone when seen again.
void StarTestPanel::hideEvent(QHideEvent* event) {
  if (runner_.IsBusy()) {
    runner_.Cancel();
    stale_ = true;
  }
  QWidget::hideEvent(event);
}

void StarTestPanel::Compute() {
  if (!request_.pupil && !request_.renderPupil) return;
  stale_ = false;
  submitted_ = true;
  computed_ = request_;
  runner_.Submit([this, request = request_, waves = waves_->value()](
                     const CancelFlag& cancel,
                     const LatestOnlyRunner::ProgressSink& progress) -> LatestOnlyRunner::Delivery {
    TestOutcome outcome = ComputeTest(request, waves, cancel, progress);
    if (!outcome.test && outcome.refusal.isEmpty()) return nullptr;
    return [this, outcome = std::move(outcome)] {
      if (!outcome.test) {
        status_->setStyleSheet(QLatin1String(kRefusalStyleSheet));
        status_->setText(outcome.refusal);
        return;
      }
      ShowTest(outcome.test);
    };
  });
}

void StarTestPanel::ShowTest(std::shared_ptr<const psf::StarTestImages> test) {
  shown_ = std::move(test);
  status_->setStyleSheet(QString());
  status_->setText(tr("N = %1, Q = %2, 同じ色の尺度")
                       .arg(shown_->images[1].pupilSide)
                       .arg(shown_->images[1].padFactor));
  const QString waves = QString::number(shown_->defocusWaves, 'g', 3);
  headings_[0]->setText(tr("焦点はずし −%1 波長").arg(waves));
  headings_[1]->setText(tr("焦点"));
  headings_[2]->setText(tr("焦点はずし +%1 波長").arg(waves));
  ShowPictures();
}

void StarTestPanel::ShowPictures() {
  if (!shown_) return;
  const std::array<PsfPicture, 3> pictures = psfview::StarTestPictures(
      *shown_, decades_, psfview::StarTestHalfWidthLambdaOverD(shown_->defocusWaves));
  for (int plane = 0; plane < 3; ++plane) views_[plane]->Show(pictures[plane]);
}

void StarTestPanel::ShowGuard() {
  if (!request_.pupil && !request_.renderPupil) return guard_->clear();
  const double wavelengthNm = request_.settings.wavelengthNm;
  const int side = request_.pupil ? request_.pupil->side : request_.renderSide;
  // The worse side of focus: the design's own defocus adds to one of them.
  const double worstRmsNm =
      std::abs(designDefocusRmsNm_) + DefocusRmsNm(waves_->value(), wavelengthNm);
  guard_->setText(DefocusSamplingWarning(worstRmsNm, wavelengthNm, side));
}

}  // namespace voka
