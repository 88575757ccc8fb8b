// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' side of the wavefront: the designer's sliders change the
// design once per edit and measure it over the open pupil, the star test
// shows three images on one colour scale, and the sampling guard and the
// design's focal length reach the star-image window.

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <cmath>
#include <numbers>

#include "app/designer/designer_dlg.h"
#include "app/designer/wavefront_panel.h"
#include "app/star_image/psf_view.h"
#include "app/star_image/star_image_dlg.h"
#include "app/star_image/star_test_panel.h"
#include "pupils/design_presets.h"
#include "pupils/star_pupil.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using test::RunUntil;

template <typename T>
T* Child(const QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name.toStdString();
  return child;
}

// The first decimal number of a label.
double NumberIn(const QLabel* label) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("-?\\d+\\.\\d+")).match(label->text());
  return match.hasMatch() ? match.captured().toDouble() : std::nan("");
}

class WavefrontDesigner : public testing::Test {
 protected:
  WavefrontDesigner() {
    QObject::connect(&designer_, &CDesignerDlg::DesignChanged,
                     [this](const pupils::PupilDesign& design) { changes_.push_back(design); });
  }
  bool Measured() {
    auto* panel = designer_.findChild<WavefrontPanel*>();
    return RunUntil([panel] { return !panel->IsMeasuring(); });
  }
  QLabel* Rms() { return Child<QLabel>(designer_, QStringLiteral("wavefrontRms")); }
  QLabel* Strehl() { return Child<QLabel>(designer_, QStringLiteral("wavefrontStrehl")); }

  CDesignerDlg designer_;
  std::vector<pupils::PupilDesign> changes_;
};

// Each drag step starts one star image; terms the sliders do not show, and
// the focal shift, ride along into the saved file and back.
TEST_F(WavefrontDesigner, ASliderStepIsOneChangeAndKeepsTheOtherTerms) {
  pupils::PupilDesign design = *pupils::PresetDesign("4-vanes");
  design.wavefront.zernikeRmsNm = {{2, 15.0}, {22, 30.0}};
  design.wavefront.defocusMm = 0.25;
  design.focalLengthMm = 1200.0;
  designer_.SetDesign(design);
  changes_.clear();

  Child<QSlider>(designer_, QStringLiteral("zernike7"))->setValue(120);
  ASSERT_EQ(changes_.size(), 1u);
  const std::map<int, double> expected = {{2, 15.0}, {7, 120.0}, {22, 30.0}};
  EXPECT_EQ(changes_.back().wavefront.zernikeRmsNm, expected);
  EXPECT_EQ(changes_.back().wavefront.defocusMm, 0.25);
  EXPECT_EQ(Child<QSpinBox>(designer_, QStringLiteral("zernikeBox7"))->value(), 120);
  Child<QSpinBox>(designer_, QStringLiteral("zernikeBox11"))->setValue(-40);
  ASSERT_EQ(changes_.size(), 2u);
  EXPECT_EQ(Child<QSlider>(designer_, QStringLiteral("zernike11"))->value(), -40);

  test::ScratchFolder folder("wavefront-designer");
  const QString file = QString::fromStdString((folder.path() / "figure.json").string());
  designer_.chooseSaveFile = [&](const QString&) { return file; };
  designer_.OnSaveDesign();
  const pupils::PupilDesign saved = designer_.Design();
  designer_.ApplyPreset(0);
  EXPECT_EQ(Child<QSlider>(designer_, QStringLiteral("zernike7"))->value(), 0);
  designer_.chooseOpenFile = [&](const QString&) { return file; };
  designer_.OnOpenDesign();
  EXPECT_EQ(designer_.Design(), saved);
  EXPECT_EQ(Child<QSlider>(designer_, QStringLiteral("zernike7"))->value(), 120);
  EXPECT_EQ(Child<QSlider>(designer_, QStringLiteral("zernike11"))->value(), -40);
}

// Defocus alone on a clear aperture has the exact Strehl ratio
// sinc²(2√3 π σ) (σ in waves RMS); with an obstruction the RMS over the
// annulus is no longer the coefficient.
TEST_F(WavefrontDesigner, RmsAndStrehlFollowTheSlidersOverTheOpenPupil) {
  designer_.ApplyPreset(0);
  ASSERT_TRUE(Measured());
  EXPECT_NEAR(NumberIn(Rms()), 0.0, 1e-9);
  EXPECT_NEAR(NumberIn(Strehl()), 1.0, 1e-9);

  Child<QSlider>(designer_, QStringLiteral("zernike4"))->setValue(50);
  ASSERT_TRUE(Measured());
  const double waves = 50.0 / WavefrontPanel::kStrehlWavelengthNm;
  const double x = 2.0 * std::sqrt(3.0) * std::numbers::pi * waves;
  EXPECT_NEAR(NumberIn(Rms()), 50.0, 0.5) << Rms()->text().toStdString();
  EXPECT_NEAR(NumberIn(Strehl()), std::pow(std::sin(x) / x, 2), 0.005)
      << Strehl()->text().toStdString();

  // A third of the diameter obstructed: ρ² runs over [1/9, 1] only, and
  // the defocus's spread over the annulus is (1 − ε²) times the disk's.
  pupils::PupilDesign obstructed = designer_.Design();
  obstructed.obstruction = pupils::Obstruction{obstructed.apertureDiameterMm / 3, 0.0, 0.0};
  designer_.SetDesign(obstructed);
  ASSERT_TRUE(Measured());
  EXPECT_NEAR(NumberIn(Rms()), 50.0 * (1.0 - 1.0 / 9.0), 1.0) << Rms()->text().toStdString();
}

class StarTestWindow : public testing::Test {
 protected:
  void SetUp() override {
    window_.tellUser = [](const QString&) {};
    window_.show();
    Child<QTabWidget>(window_, QStringLiteral("resultTabs"))->setCurrentIndex(1);
    Child<QSpinBox>(window_, QStringLiteral("sideN"))->setValue(64);
  }
  void ShowDesign(const pupils::PupilDesign& design) {
    window_.ShowRenderedPupil(
        [design](int side) { return pupils::StarPupilOfDesign(design, side); },
        design.apertureDiameterMm, psf::kMaximumPupilSide, OpticsOfDesign(design));
  }
  bool Settle() {
    return RunUntil([this] { return !window_.IsComputing() && !window_.StarTest().IsComputing(); });
  }
  QString Guard() { return Child<QLabel>(window_, QStringLiteral("starTestGuard"))->text(); }

  CStarImageDlg window_;
};

bool HasColour(const QImage& image, QRgb colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      if ((rgb.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) return true;
  return false;
}

// On one scale only the focused star reaches the colour map's top; scaled
// each to its own peak, the defocused discs would reach it too.
TEST_F(StarTestWindow, ShowsThreeImagesOnOneColourScaleAndFollowsK) {
  ShowDesign(*pupils::PresetDesign("4-vanes"));
  ASSERT_TRUE(Settle());
  const psf::StarTestImages* test = window_.StarTest().Shown();
  ASSERT_NE(test, nullptr);
  EXPECT_EQ(test->defocusWaves, limits::StarTestWaves().defaultValue);
  for (int plane = 0; plane < 3; ++plane) {
    const PsfPicture& picture = window_.StarTest().View(plane).Picture();
    ASSERT_FALSE(picture.image.isNull()) << plane;
    EXPECT_EQ(HasColour(picture.image, picture.colourMap.back()), plane == 1) << "plane " << plane;
  }
  EXPECT_EQ(window_.StarTest().View(0).Picture().image.size(),
            window_.StarTest().View(2).Picture().image.size());

  Child<QDoubleSpinBox>(window_, QStringLiteral("starTestWaves"))->setValue(2.0);
  ASSERT_TRUE(Settle());
  EXPECT_EQ(window_.StarTest().Shown()->defocusWaves, 2.0);
}

// k = 4 waves needs 32 samples across; the design's own defocus adds to it.
TEST_F(StarTestWindow, SamplingGuardAsksForALargerN) {
  auto* side = Child<QSpinBox>(window_, QStringLiteral("sideN"));
  side->setValue(16);
  pupils::PupilDesign design = *pupils::PresetDesign("clear");
  ShowDesign(design);
  EXPECT_TRUE(Guard().contains(QStringLiteral("32"))) << Guard().toStdString();
  EXPECT_TRUE(Child<QLabel>(window_, QStringLiteral("sampling"))->text().isEmpty());
  side->setValue(64);
  EXPECT_TRUE(Guard().isEmpty()) << Guard().toStdString();

  // 1.9 waves PV of the design's own defocus: 15.2 samples for the star
  // image itself, 47.2 for the star test's worse side.
  design.wavefront.zernikeRmsNm[4] = 1.9 * 550.0 / (2.0 * std::sqrt(3.0));
  side->setValue(16);
  ShowDesign(design);
  EXPECT_TRUE(Guard().contains(QStringLiteral("48"))) << Guard().toStdString();
  EXPECT_TRUE(Child<QLabel>(window_, QStringLiteral("sampling"))->text().isEmpty());
  design.wavefront.zernikeRmsNm[4] *= 2.0;
  ShowDesign(design);
  EXPECT_FALSE(Child<QLabel>(window_, QStringLiteral("sampling"))->text().isEmpty());
  ASSERT_TRUE(Settle());
}

// The design's focal length sets the scale, but a length the user typed
// holds until the design brings another.
TEST_F(StarTestWindow, DesignFocalLengthFillsTheBoxUntilTheUserTypesOne) {
  auto* focal = Child<QDoubleSpinBox>(window_, QStringLiteral("focal"));
  pupils::PupilDesign design = *pupils::PresetDesign("clear");
  design.focalLengthMm = 1500.0;
  ShowDesign(design);
  EXPECT_EQ(focal->value(), 1500.0);
  focal->setValue(1200.0);
  ShowDesign(design);
  EXPECT_EQ(focal->value(), 1200.0) << "a slider step overwrote the typed length";
  design.focalLengthMm = 2000.0;
  ShowDesign(design);
  EXPECT_EQ(focal->value(), 2000.0);
  ASSERT_TRUE(Settle());
  EXPECT_EQ(window_.Shown()->analysis->image.settings.focalLengthMm, 2000.0);
}

}  // namespace
}  // namespace voka
