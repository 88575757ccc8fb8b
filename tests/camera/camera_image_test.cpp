// SPDX-License-Identifier: GPL-3.0-or-later
// The camera's image against the monochromatic star image and the Airy
// pattern of each wavelength.

#include "camera/camera_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "camera/camera_numbers.h"
#include "psf/exact_coverage.h"
#include "psf/psf_analysis.h"

namespace voka::camera {
namespace {

// 1.375 µm at 1000 mm behind 200 mm: two sub-samples a pixel, each 1/4 λ/D
// at 550 nm; the offset puts the star on a sub-sample.
CameraSettings QuarterLambdaGrid(double fromNm, double toNm, int wavelengths) {
  CameraSettings settings;
  settings.pixelPitchUm = 1.375;
  settings.spectrum.kind = SpectrumKind::kFlat;
  settings.spectrum.fromNm = fromNm;
  settings.spectrum.toNm = toNm;
  settings.wavelengthCount = wavelengths;
  settings.colour = ColourMode::kMono;
  settings.fieldPixels = 32;
  settings.offsetXPixels = 0.25;
  settings.offsetYPixels = 0.25;
  return settings;
}

// Largest departure of the sub-sample plane from the star image at Q = 4,
// relative to the star image's peak share.
double WorstAgainstStarImage(const CameraImage& camera, const psf::StarImage& star) {
  const int s = camera.subsamples;
  const int m = camera.pixels.side;
  const int starRow = (m - 1 - m / 2) * s;  // + (s-1)/2 - 0.25·s = 0 for s = 2
  const int starColumn = (m / 2) * s + 1;   // + (s-1)/2 + 0.25·s = 1 for s = 2
  double worst = 0.0;
  for (int row = 0; row < camera.subsampled.side; ++row) {
    for (int column = 0; column < camera.subsampled.side; ++column) {
      const double share =
          star.At(star.centreIndex + row - starRow, star.centreIndex + column - starColumn) /
          star.totalIntensity;
      const std::size_t at = static_cast<std::size_t>(row) * camera.subsampled.side + column;
      worst = std::max(worst, std::abs(camera.subsampled.At(0, at) - share));
    }
  }
  return worst / (star.peakIntensity / star.totalIntensity);
}

TEST(CameraImage, OneWavelengthIsTheStarImageAndANarrowBandNearlySo) {
  const psf::PupilField pupil = psf::test::VanedPupil(96, 0.3, 2.0, {0, 90, 180, 270});
  psf::PsfSettings settings;
  settings.padFactor = 4;
  const psf::StarImage star = *psf::ComputeStarImage(pupil, settings);
  const CameraOutcome one = ComputeCameraImage(pupil, QuarterLambdaGrid(549.9, 550.1, 1));
  ASSERT_TRUE(one.image);
  ASSERT_EQ(one.image->subsamples, 2);
  EXPECT_LT(WorstAgainstStarImage(*one.image, star), 1e-5);
  const CameraOutcome band = ComputeCameraImage(pupil, QuarterLambdaGrid(547.25, 552.75, 5));
  ASSERT_TRUE(band.image);
  EXPECT_LT(WorstAgainstStarImage(*band.image, star), 1e-3);
}

// A clear aperture's image in white light is the sum of Airy patterns, each
// scaled by its λ: a share of (π/4)·(2J₁(πr)/(πr))² per (λ/D)², r in λ/D,
// of the light through the disc's area. The grid's pupil lets Σa² through,
// a little less than its area Σa where rim pixels are grey, and its shares
// are of that.
TEST(CameraImage, WhiteLightIsTheSumOfScaledAiryPatterns) {
  const psf::PupilField pupil = psf::test::AnnularPupil(256, 0.0);
  CameraSettings settings = QuarterLambdaGrid(400.0, 700.0, 6);
  settings.offsetXPixels = settings.offsetYPixels = 0.0;
  const CameraOutcome outcome = ComputeCameraImage(pupil, settings);
  ASSERT_TRUE(outcome.image);
  const CameraImage& image = *outcome.image;
  const int s = image.subsamples;
  const int m = image.pixels.side;
  // The star at the centre of pixel (m/2, m/2) from the bottom left.
  const double starColumn = (m / 2) * s + (s - 1) / 2.0;
  const double starRow = (m - 1 - m / 2) * s + (s - 1) / 2.0;
  const double subsampleRadians = settings.pixelPitchUm * 1e-3 / settings.focalLengthMm / s;
  double area = 0.0;
  double transmitted = 0.0;
  for (const double a : pupil.amplitude) {
    area += a;
    transmitted += a * a;
  }
  double worst = 0.0;
  double peak = 0.0;
  for (int row = 0; row < image.subsampled.side; ++row) {
    for (int column = 0; column < image.subsampled.side; ++column) {
      const double radians = subsampleRadians * std::hypot(column - starColumn, row - starRow);
      double expected = 0.0;
      for (std::size_t i = 0; i < image.channels.wavelengthsNm.size(); ++i) {
        const double lambdaOverD = image.channels.wavelengthsNm[i] * 1e-6 / 200.0;
        const double x = std::numbers::pi * radians / lambdaOverD;
        const double jinc = x == 0.0 ? 1.0 : 2.0 * std::cyl_bessel_j(1.0, x) / x;
        const double step = subsampleRadians / lambdaOverD;
        expected += image.channels.Weight(i, 0) * std::numbers::pi / 4.0 * jinc * jinc * step *
                    step * area / transmitted;
      }
      const double actual =
          image.subsampled.At(0, static_cast<std::size_t>(row) * image.subsampled.side + column);
      worst = std::max(worst, std::abs(actual - expected));
      peak = std::max(peak, expected);
    }
  }
  EXPECT_LT(worst, 1e-4 * peak);
  double fine = 0.0;
  double pixels = 0.0;
  for (const double v : image.subsampled.values) fine += v;
  for (const double v : image.pixels.values) pixels += v;
  EXPECT_NEAR(pixels, fine, 1e-12);
  EXPECT_LT(pixels, 1.0);
  EXPECT_GT(pixels, 0.9) << "most of the light falls in the field";
  // A pixel is 1/2 λ/D at 550 nm; the Airy pattern holds 1 − J₀²(πr) − J₁²(πr)
  // of its light within r λ/D (Rayleigh). Counting a rim pixel by its area
  // inside the circle, as if its light were even, costs a little accuracy.
  const CameraNumbers numbers = ComputeCameraNumbers(image, settings, pupil);
  double expected = 0.0;
  for (std::size_t i = 0; i < image.channels.wavelengthsNm.size(); ++i) {
    const double x = std::numbers::pi * 1.5 * 550.0 / image.channels.wavelengthsNm[i];
    expected += image.channels.Weight(i, 0) * (1.0 - std::pow(std::cyl_bessel_j(0.0, x), 2) -
                                               std::pow(std::cyl_bessel_j(1.0, x), 2));
  }
  EXPECT_NEAR(numbers.encircledEnergy3Pixels, expected * area / transmitted, 0.01);
  EXPECT_LT(numbers.encircledEnergy1Pixel, numbers.encircledEnergy2Pixels);
  EXPECT_NEAR(numbers.samplingQ, 0.55 * 1000.0 / (1.375 * 200.0), 1e-12);
  EXPECT_FALSE(numbers.UnderSampled());
}

// The share of the light at an angle (radians right and up of the star) at
// one wavelength, by the direct sum E = Σ A·exp(2πi W/λ)·exp(−2πi x·θ/λ) over
// the pupil's samples, for a sub-sample of the given angular side.
double DirectShare(const psf::PupilField& pupil, double wavelengthNm, double apertureMm,
                   double rightRadians, double upRadians, double subsampleRadians) {
  const int n = pupil.side;
  const double lambdaOverD = wavelengthNm * 1e-6 / apertureMm;
  std::complex<double> field = 0.0;
  double transmitted = 0.0;
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) {
      const std::size_t at = static_cast<std::size_t>(row) * n + column;
      const double x = (column - (n - 1) / 2.0) / n;  // diameters
      const double y = ((n - 1) / 2.0 - row) / n;
      const double phase = 2.0 * std::numbers::pi *
                           ((pupil.HasPhase() ? pupil.opdNm[at] / wavelengthNm : 0.0) -
                            (x * rightRadians + y * upRadians) / lambdaOverD);
      field += pupil.amplitude[at] * std::polar(1.0, phase);
      transmitted += pupil.amplitude[at] * pupil.amplitude[at];
    }
  }
  const double step = subsampleRadians / lambdaOverD;
  return std::norm(field) * step * step / (double(n) * n * transmitted);
}

// Defocus is an optical path: 2πW/λ differs per wavelength, so a defocused
// image in white light is the sum of each wavelength's own image, not one
// image scaled by λ.
TEST(CameraImage, DefocusedWhiteLightSumsEachWavelengthsOwnImage) {
  constexpr int kSide = 48;
  psf::PupilField pupil = psf::test::AnnularPupil(kSide, 0.3);
  pupil.opdNm.assign(pupil.amplitude.size(), 0.0);
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      const double x = (column + 0.5 - kSide / 2.0) / (kSide / 2.0);
      const double y = (kSide / 2.0 - row - 0.5) / (kSide / 2.0);
      pupil.opdNm[row * kSide + column] = 1500.0 * (x * x + y * y);  // about 3 waves
    }
  }
  CameraSettings settings = QuarterLambdaGrid(450.0, 650.0, 2);
  settings.offsetXPixels = settings.offsetYPixels = 0.0;
  const CameraImage image = *ComputeCameraImage(pupil, settings).image;
  const int s = image.subsamples;
  const int m = image.pixels.side;
  const double starColumn = (m / 2) * s + (s - 1) / 2.0;
  const double starRow = (m - 1 - m / 2) * s + (s - 1) / 2.0;
  const double subsampleRadians = settings.pixelPitchUm * 1e-3 / settings.focalLengthMm / s;
  const int fine = image.subsampled.side;
  double worst = 0.0;
  double peak = 0.0;
  for (int row = 0; row < fine; row += 5) {
    for (int column = 0; column < fine; column += 3) {
      double expected = 0.0;
      for (std::size_t i = 0; i < 2; ++i) {
        expected += image.channels.Weight(i, 0) *
                    DirectShare(pupil, image.channels.wavelengthsNm[i], 200.0,
                                (column - starColumn) * subsampleRadians,
                                (starRow - row) * subsampleRadians, subsampleRadians);
      }
      const double actual = image.subsampled.At(0, static_cast<std::size_t>(row) * fine + column);
      worst = std::max(worst, std::abs(actual - expected));
      peak = std::max(peak, expected);
    }
  }
  EXPECT_LT(worst, 1e-5 * peak);
}

// The image is computed on a frequency grid symmetric about the star, its
// mirrored halves read back by symmetry, and a star off that grid moved there
// by a tilt of the pupil field. Odd and even fields, three sub-samples a
// pixel (a grid with a middle row), an offset star, an asymmetric pupil with
// and without an asymmetric path: each pixel as the direct sum has it.
TEST(CameraImage, MirroredGridMatchesTheDirectSumOffCentreAndAsymmetric) {
  const auto aberrate = [](psf::PupilField pupil) {
    const int side = pupil.side;
    pupil.opdNm.assign(pupil.amplitude.size(), 0.0);
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        const double x = (column + 0.5 - side / 2.0) / (side / 2.0);
        const double y = (side / 2.0 - row - 0.5) / (side / 2.0);
        pupil.opdNm[row * side + column] = 700.0 * x * x * x + 400.0 * x * y + 300.0 * y;
      }
    }
    return pupil;
  };
  const psf::PupilField clear = psf::test::AnnularPupil(40, 0.35, 3.0, -2.0);
  const psf::PupilField aberrated = aberrate(clear);
  // An odd side has a middle row and column, each its own mirror.
  const psf::PupilField oddAberrated = aberrate(psf::test::AnnularPupil(39, 0.35, 3.0, -2.0));
  struct Case {
    const psf::PupilField* pupil;
    int fieldPixels;
    double offsetX, offsetY;
  };
  for (const Case& c :
       {Case{&clear, 15, 0.0, 0.0}, Case{&clear, 16, 0.0, 0.0}, Case{&clear, 16, 0.3, -0.45},
        Case{&aberrated, 15, -0.2, 0.35}, Case{&aberrated, 16, 0.0, 0.0},
        Case{&oddAberrated, 15, 0.1, 0.2}}) {
    CameraSettings settings = QuarterLambdaGrid(500.0, 600.0, 2);
    settings.pixelPitchUm = 3.2;  // three sub-samples a pixel
    settings.fieldPixels = c.fieldPixels;
    settings.offsetXPixels = c.offsetX;
    settings.offsetYPixels = c.offsetY;
    const CameraImage image = *ComputeCameraImage(*c.pupil, settings).image;
    ASSERT_EQ(image.subsamples, 3);
    const int s = image.subsamples;
    const int m = c.fieldPixels;
    const double starColumn = (m / 2) * s + (s - 1) / 2.0 + c.offsetX * s;
    const double starRow = (m - 1 - m / 2) * s + (s - 1) / 2.0 - c.offsetY * s;
    const double subsampleRadians = settings.pixelPitchUm * 1e-3 / settings.focalLengthMm / s;
    const int fine = image.subsampled.side;
    double worst = 0.0;
    double peak = 0.0;
    for (int row = 0; row < fine; row += 2) {
      for (int column = 0; column < fine; column += 2) {
        double expected = 0.0;
        for (std::size_t i = 0; i < 2; ++i) {
          expected += image.channels.Weight(i, 0) *
                      DirectShare(*c.pupil, image.channels.wavelengthsNm[i], 200.0,
                                  (column - starColumn) * subsampleRadians,
                                  (starRow - row) * subsampleRadians, subsampleRadians);
        }
        const double actual = image.subsampled.At(0, static_cast<std::size_t>(row) * fine + column);
        worst = std::max(worst, std::abs(actual - expected));
        peak = std::max(peak, expected);
      }
    }
    EXPECT_LT(worst, 1e-5 * peak) << "field " << m << " offset " << c.offsetX << "," << c.offsetY
                                  << " phase " << c.pupil->HasPhase();
  }
}

// A vane of width w spreads each wavelength along its spike under an
// envelope sinc²(wθ/λ), wider for red light: from 0.2 λ/w to λ/w, λ the
// shortest wavelength (before blue light's envelope passes its first zero),
// the spike grows redder outward.
TEST(CameraImage, WhiteLightSpikeReddensOutward) {
  constexpr int kSide = 256;
  const double vaneWidthPixels = 0.04 * kSide;
  // One straight vane across the aperture, along x: its spike runs along y.
  const psf::PupilField pupil = psf::test::VanedPupil(kSide, 0.0, vaneWidthPixels, {0.0, 180.0});
  CameraSettings settings;
  settings.pixelPitchUm = 2.75;  // one λ/D at 550 nm
  settings.spectrum.kind = SpectrumKind::kFlat;
  settings.wavelengthCount = 12;
  settings.colour = ColourMode::kCamera;
  settings.fieldPixels = 64;
  const CameraImage image = *ComputeCameraImage(pupil, settings).image;
  const int side = image.pixels.side;
  const int starColumn = side / 2;
  const int starRow = side - 1 - side / 2;
  // λ/w at 400 nm in pixels (one pixel is λ/D at 550 nm).
  const double envelopePixels = 400.0 / 550.0 * kSide / vaneWidthPixels;
  double previous = 0.0;
  for (const double share : {0.2, 0.4, 0.6, 0.8, 1.0}) {
    const int up = static_cast<int>(std::lround(share * envelopePixels));
    double red = 0.0;
    double blue = 0.0;
    // Both halves of the spike, a few pixels along it.
    for (const int sign : {1, -1}) {
      for (int along = -1; along <= 1; ++along) {
        const std::size_t at =
            static_cast<std::size_t>(starRow - sign * (up + along)) * side + starColumn;
        red += image.pixels.At(0, at);
        blue += image.pixels.At(2, at);
      }
    }
    EXPECT_GT(red / blue, previous) << "at " << share << " λ/w";
    previous = red / blue;
  }
}

// All the light in the star's pixel: a circle of one pixel's radius about
// the star (the pixel's centre) holds all of that pixel, and a circle about
// a corner would hold only a quarter disc of it.
TEST(CameraImage, EncircledEnergyIsCentredOnTheStar) {
  CameraImage image;
  image.channels.wavelengthsNm = {550.0};
  image.channels.channelCount = 1;
  image.channels.weights = {1.0};
  image.pixels = ChannelPlanes{5, 1, std::vector<double>(25, 0.0)};
  image.pixels.values[(5 - 1 - 5 / 2) * 5 + 5 / 2] = 1.0;
  CameraSettings settings;
  settings.fieldPixels = 5;
  const psf::PupilField pupil = psf::test::AnnularPupil(32, 0.0);
  const CameraNumbers numbers = ComputeCameraNumbers(image, settings, pupil);
  EXPECT_NEAR(numbers.encircledEnergy1Pixel, 1.0, 1e-12);
  EXPECT_EQ(numbers.brightestPixelFraction, std::vector<double>{1.0});
  settings.offsetXPixels = 0.5;
  settings.offsetYPixels = 0.5;  // the star on the pixel's upper right corner
  EXPECT_NEAR(ComputeCameraNumbers(image, settings, pupil).encircledEnergy1Pixel, 0.25 * 3.14159265,
              2e-3);
}

TEST(CameraImage, RefusesWhatCannotBeRecorded) {
  const psf::PupilField pupil = psf::test::AnnularPupil(32, 0.0);
  CameraSettings settings;
  settings.offsetXPixels = 0.6;
  EXPECT_EQ(ComputeCameraImage(pupil, settings).refusal, CameraRefusal::kSettings);
  settings = CameraSettings{};
  settings.pixelPitchUm = 1e4;
  EXPECT_EQ(ComputeCameraImage(pupil, settings).refusal, CameraRefusal::kSubsampling);
  EXPECT_EQ(ComputeCameraImage(psf::PupilField{}, CameraSettings{}).refusal,
            CameraRefusal::kNoLight);
}

}  // namespace
}  // namespace voka::camera
