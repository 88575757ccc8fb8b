// SPDX-License-Identifier: GPL-3.0-or-later
// Laws of the star image's transfer function, scales, spike light and run
// contract, each held against a closed form that does not come from the code.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <numbers>

#include "fourier/padded_transform.h"
#include "psf/psf_analysis.h"

namespace voka::psf {
namespace {

// An open rectangle of `width` columns and `height` rows in a dark square.
PupilAmplitude OpenRectangle(int side, int width, int height) {
  PupilAmplitude pupil;
  pupil.side = side;
  pupil.amplitude.assign(std::size_t(side) * side, 0.0);
  for (int row = 3; row < 3 + height; ++row)
    for (int column = 5; column < 5 + width; ++column)
      pupil.amplitude[std::size_t(row) * side + column] = 1.0;
  return pupil;
}

TEST(TransferFunction, OpenRectangleFollowsItsClosedFormAlongAnyDirection) {
  // The overlap of a w x h rectangle with itself shifted by (x, y) is
  // (w - |x|)(h - |y|); it is bilinear between whole shifts, so the cut is
  // exact along any direction. A vane at 30° puts the cuts at 30° and 120°.
  constexpr int kSide = 32, kWidth = 24, kHeight = 10;
  PupilAmplitude pupil = OpenRectangle(kSide, kWidth, kHeight);
  pupil.vaneAnglesDeg = {30.0};
  const auto closedForm = [](double shift, double angleDeg) {
    const double angle = angleDeg * std::numbers::pi / 180.0;
    return std::max(0.0, 1.0 - std::abs(shift * std::cos(angle)) / kWidth) *
           std::max(0.0, 1.0 - std::abs(shift * std::sin(angle)) / kHeight);
  };
  for (const int padFactor : {4, 3}) {  // the even and the odd sampling of the autocorrelation
    PsfSettings settings;
    settings.padFactor = padFactor;
    const PsfAnalysis analysis = *AnalysePupil(pupil, settings);
    const MtfCurves& mtf = analysis.mtf;
    ASSERT_EQ(mtf.alongAngleDeg, 30.0);
    ASSERT_EQ(mtf.betweenAngleDeg, 120.0);
    for (std::size_t i = 0; i < mtf.frequencyOfCutoff.size(); ++i) {
      const double shift = mtf.frequencyOfCutoff[i] * kSide;
      EXPECT_NEAR(mtf.alongVanes[i], closedForm(shift, 30.0), 1e-9)
          << "Q=" << padFactor << " i=" << i;
      EXPECT_NEAR(mtf.betweenVanes[i], closedForm(shift, 120.0), 1e-9)
          << "Q=" << padFactor << " i=" << i;
    }
    // The reference curve is the clear aperture's, whatever the pupil.
    EXPECT_EQ(mtf.clearAperture.front(), 1.0);
    EXPECT_NEAR(mtf.clearAperture[mtf.clearAperture.size() / 2], 0.3910022, 1e-7);
    EXPECT_NEAR(mtf.clearAperture.back(), 0.0, 1e-15);
  }
}

TEST(ImageScale, DefaultTelescopeGivesItsMicrometresAndArcseconds) {
  // 550 nm at f = 1000 mm, D = 200 mm: λF/D = 2.75 µm, a quarter of it per
  // pixel at Q = 4, and 1.22 of it to the first dark ring.
  PsfSettings settings;
  settings.wavelengthNm = 550.0;
  settings.apertureDiameterMm = 200.0;
  settings.focalLengthMm = 1000.0;
  settings.padFactor = 4;
  const ImageScale scale = ComputeImageScale(settings);
  const double lambdaOverDArcsec = 550e-9 / 0.2 * 180.0 / std::numbers::pi * 3600.0;
  EXPECT_NEAR(scale.lambdaOverDMicrometres, 2.75, 1e-12);
  EXPECT_NEAR(scale.pixelMicrometres, 0.6875, 1e-12);
  EXPECT_NEAR(scale.airyRadiusMicrometres, 3.355, 1e-12);
  EXPECT_NEAR(scale.lambdaOverDArcsec, lambdaOverDArcsec, 1e-12);
  EXPECT_NEAR(scale.pixelArcsec, lambdaOverDArcsec / 4, 1e-12);
  EXPECT_NEAR(scale.airyRadiusArcsec, 1.22 * lambdaOverDArcsec, 1e-12);

  // The pad factor's range includes both its ends.
  for (const int padFactor : {kMinimumPadFactor, kMaximumPadFactor}) {
    settings.padFactor = padFactor;
    EXPECT_FALSE(CheckPsfSettings(settings)) << padFactor;
  }
}

TEST(SpikeFraction, ADiscSampledAtPixelCentresHasNone) {
  // Every pixel whose centre lies within 20 pixels of the grid's centre is
  // open, and the rest dark: each ring about the centre is wholly open or
  // wholly dark, so no light departs from the rings. A ring centre half a
  // pixel off splits the rim's rings.
  constexpr int kSide = 48;
  PupilAmplitude pupil;
  pupil.side = kSide;
  for (int row = 0; row < kSide; ++row)
    for (int column = 0; column < kSide; ++column)
      pupil.amplitude.push_back(std::hypot(column + 0.5 - kSide / 2.0, row + 0.5 - kSide / 2.0) <
                                20.0);
  EXPECT_LT(ComputeSpikeFraction(pupil, kDefaultWavelengthNm), 1e-12);
}

TEST(StarImageRun, ProgressRisesToTheWholeAndACancelStopsWithinABlock) {
  PupilAmplitude pupil = OpenRectangle(64, 50, 40);
  PsfSettings settings;
  std::vector<int> positions;
  PsfProgress progress;
  progress.progress = [&](int position) { positions.push_back(position); };
  ASSERT_TRUE(AnalysePupil(pupil, settings, progress));
  ASSERT_FALSE(positions.empty());
  EXPECT_GE(positions.front(), 0);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(positions.back(), 100);

  // Cancelled once two blocks of columns are done: at most the block another
  // worker has begun follows, and nothing is returned.
  constexpr int kWorkers = 2;
  std::atomic<int> blocks{0};
  int blocksAtCancel = -1;
  fourier::TransformProgress cancel;
  cancel.cancelled = [&] {
    if (blocksAtCancel < 0 && blocks >= 2) blocksAtCancel = blocks;
    return blocksAtCancel >= 0;
  };
  const bool finished = fourier::TransformPaddedPupil(
      {pupil.side, pupil.amplitude.data()}, 256, kWorkers,
      [&](int, const fourier::SpectrumColumns&) { ++blocks; }, cancel);
  EXPECT_FALSE(finished);
  ASSERT_GE(blocksAtCancel, 2);
  EXPECT_LE(blocks - blocksAtCancel, kWorkers - 1);

  // Cancelled after the rows' first poll.
  PsfProgress cancelMidway;
  int polls = 0;
  cancelMidway.cancelled = [&] { return ++polls > 1; };
  EXPECT_FALSE(ComputeStarImage(pupil, settings, cancelMidway));
  polls = 0;
  EXPECT_FALSE(AnalysePupil(pupil, settings, cancelMidway));
}

}  // namespace
}  // namespace voka::psf
